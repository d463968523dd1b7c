// The figures of a season for one team and each of its players: the sums of
// each match's own figures (figures.h, federation_shots.h,
// lost_and_penalties.h, numbers_on_court.h, match_periods.h), a line per
// match, and the main rates match by match for the trend. Nothing is counted
// here from the events: a season says what its matches' analyses say, added.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "federation_shots.h"
#include "figures.h"
#include "lost_and_penalties.h"
#include "match_periods.h"
#include "numbers_on_court.h"
#include "season_files.h"
#include "season_players.h"
#include "shot_chart.h"

// What sums over matches, for a team and for a person alike.
void addShotFigures(ShotFigures& to, const ShotFigures& from);
void addGoalkeeperFigures(GoalkeeperFigures& to, const GoalkeeperFigures& from);
void addPersonFigures(PersonFigures& to, const PersonFigures& from);
void addFederationShots(FederationShots& to, const FederationShots& from);

// One match of the season, from the season team's side.
struct SeasonMatch {
  const SeasonFile* file = nullptr;
  TeamId side = TeamId::One;  // the season team's side in it
  std::string opponent;
  int goalsFor = 0;
  int goalsAgainst = 0;
  TeamFigures team;  // the season team's figures in it, persons included
  FederationShots federation;
  std::array<FederationShots, kRosterLines> federationPersons;
  LostAndPenalties lostAndPenalties;
  std::array<SituationFigures, kSituations> situations{};
  // The goals of a 7 m shoot-out, the season team's first, when one was thrown.
  std::optional<std::array<int, 2>> shootOut;

  // Above zero a win, below zero a loss, zero a draw: a match level after
  // play is decided by its shoot-out.
  int outcome() const;
  // "25 - 24", or "25 - 25 (7mTC 4-3)" after a shoot-out.
  std::string scoreText() const;
};

// A stretch of play over the season: by its label ("0-10", "延長前半").
struct SeasonStretch {
  std::string label;
  StretchTeamFigures figures;
};

struct SeasonTeamFigures {
  int matches = 0, wins = 0, draws = 0, losses = 0;
  int goalsFor = 0, goalsAgainst = 0;
  int timeOuts = 0;
  TeamFigures totals;  // persons left empty: the players are SeasonPlayer
  FederationShots federation;
  LostAndPenalties lostAndPenalties;
  std::array<SituationFigures, kSituations> situations{};
  std::vector<SeasonStretch> stretches;  // in the order first played
};

// A person of the season team: the entries merged into him, his totals and
// the matches he played (appeared in the roster with an event, an assist or
// a shot faced in goal, or listed).
struct SeasonPlayer {
  std::string person;                // the merged name: an entry, or the join's target
  std::vector<std::string> entries;  // what was merged, as the rosters read
  std::string number;                // the shirt number of his latest match
  PersonFigures totals;
  FederationShots federation;
  struct Appearance {
    int match = 0;  // index in SeasonFigures::matches
    int slot = 0;
    std::string entry;  // as that roster read
  };
  std::vector<Appearance> appearances;
  int matches() const { return static_cast<int>(appearances.size()); }
};

// The main rates of one match, for the trend chart.
enum class TrendRate : int { Shooting = 0, Saves = 1, SevenMetres = 2, Efficiency = 3 };
inline constexpr int kTrendRates = 4;
inline constexpr std::array<const char*, kTrendRates> kTrendRateWords = {
    "シュート成功率", "セーブ率", "7m成功率", "攻撃効率"};
using TrendPoint = std::array<std::optional<double>, kTrendRates>;

struct SeasonFigures {
  std::string team;
  std::vector<SeasonMatch> matches;  // in the order they were played
  SeasonTeamFigures totals;
  std::vector<SeasonPlayer> players;  // by shirt number of the latest match, then name
  std::vector<ShotMark> shotChart;    // every shot of the team, placed for the season

  std::vector<TrendPoint> trend() const;
};

TrendPoint trendOf(const SeasonMatch& m);

// The season of `team` over the readable `files` it plays in, in order.
SeasonFigures seasonFigures(const std::vector<const SeasonFile*>& files, const std::string& team,
                            const PlayerChoices& choices);

// The team's figures as the window, the workbook and the report list them:
// a caption, the season's total (its per-match average beside it) and the
// rate it ends in, if any.
struct FigureLine {
  std::string caption;
  double total = 0;
  std::optional<double> rate;
  bool averaged = true;  // whether a per-match average means anything
};
std::vector<FigureLine> teamFigureLines(const SeasonTeamFigures& t);

// A per-match average: none without matches.
std::optional<double> perMatch(double total, int matches);
