// Runs and gaps in the score: the longest run of goals by one team, each
// team's longest time without a goal, the biggest lead, the lead changes
// and the times the score was level. From the score flow (score_flow.h):
// completed goals in recorded order, at their times of play.
#pragma once

#include <array>
#include <vector>

#include "score_flow.h"
#include "words.h"

class Match;

struct GoalRun {
  TeamId team = TeamId::One;
  int goals = 0;        // 0: no goal in the match
  int fromSeconds = 0;  // the run's first goal
  int toSeconds = 0;    // its last
};

struct GoalGap {
  int seconds = 0;      // the longest time without a goal of the team
  int fromSeconds = 0;  // the goal before it, or the start
  int toSeconds = 0;    // the goal after it, or the end of play
};

struct Lead {
  int goals = 0;      // the biggest lead the team held; 0 never led
  int atSeconds = 0;  // when it was first reached
};

struct RunFigures {
  GoalRun longestRun;                // the first of the longest, if two are as long
  std::array<GoalGap, kTeams> gaps;  // by team
  std::array<Lead, kTeams> leads;    // by team
  int leadChanges = 0;  // goals after which the other team leads than the one that led last
  int timesLevel = 0;   // goals after which the score is level (0-0 at the start not counted)
};

// The end of play is the later of the clock's time and the last event's.
RunFigures runFigures(const Match& match);
// The same from a score flow and the end of play, for tests.
RunFigures runFigures(const std::vector<ScorePoint>& flow, int endSeconds);
