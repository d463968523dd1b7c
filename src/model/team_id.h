// Which of the two teams: the first named on the team sheet or the second.
// Per-team arrays are indexed 0 and 1; files and texts number them 1 and 2.
#pragma once

#include <array>
#include <optional>

// Numbers kept in match files and written in the saved tables: never renumber.
enum class TeamId : int { One = 1, Two = 2 };

inline constexpr std::array<TeamId, 2> kBothTeams{TeamId::One, TeamId::Two};

// The position in per-team arrays: 0 for team one, 1 for team two.
constexpr int teamIndex(TeamId t) {
  return t == TeamId::Two ? 1 : 0;
}
// The number files and texts show: 1 or 2.
constexpr int teamNumber(TeamId t) {
  return static_cast<int>(t);
}
constexpr TeamId otherTeam(TeamId t) {
  return t == TeamId::One ? TeamId::Two : TeamId::One;
}
// The team at position 0 or 1 of a per-team array.
constexpr TeamId teamAt(int index) {
  return index == 1 ? TeamId::Two : TeamId::One;
}
// The team numbered 1 or 2; nothing for any other number.
constexpr std::optional<TeamId> teamNumbered(long long n) {
  if (n == 1) return TeamId::One;
  if (n == 2) return TeamId::Two;
  return std::nullopt;
}
