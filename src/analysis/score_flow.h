// The score as the match went on: after every goal, and after every event
// for the logs' running score. Completed events only, in recorded order.
#pragma once

#include <string>
#include <vector>

#include "team_id.h"

class Match;

struct Score {
  int team1 = 0;
  int team2 = 0;
  bool operator==(const Score&) const = default;
};

struct ScorePoint {
  int clockSeconds = 0;
  TeamId team = TeamId::One;  // who scored
  Score score;                // after the goal
  bool operator==(const ScorePoint&) const = default;
};

std::vector<ScorePoint> scoreFlow(const Match& match);
// The score after each of match.events(), index for index.
std::vector<Score> scoresAfterEvents(const Match& match);
// "12-10": team 1's goals first.
std::string scoreText(const Score& s);
