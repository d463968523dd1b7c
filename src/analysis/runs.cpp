#include "runs.h"

#include <algorithm>

#include "match.h"

RunFigures runFigures(const std::vector<ScorePoint>& flow, int endSeconds) {
  RunFigures r;
  GoalRun current;
  std::array<int, kTeams> lastGoal{0, 0};
  int leader = -1;  // the team that led last: -1 nobody yet
  for (const ScorePoint& p : flow) {
    if (current.goals > 0 && current.team == p.team) {
      ++current.goals;
      current.toSeconds = p.clockSeconds;
    } else {
      current = {p.team, 1, p.clockSeconds, p.clockSeconds};
    }
    if (current.goals > r.longestRun.goals) r.longestRun = current;

    const int t = teamIndex(p.team);
    const int gap = p.clockSeconds - lastGoal[t];
    if (gap > r.gaps[t].seconds) r.gaps[t] = {gap, lastGoal[t], p.clockSeconds};
    lastGoal[t] = p.clockSeconds;

    const int diff = p.score.team1 - p.score.team2;
    if (diff == 0) {
      ++r.timesLevel;
      continue;
    }
    const int ahead = diff > 0 ? 0 : 1;
    const int lead = diff > 0 ? diff : -diff;
    if (lead > r.leads[ahead].goals) r.leads[ahead] = {lead, p.clockSeconds};
    if (leader >= 0 && leader != ahead) ++r.leadChanges;
    leader = ahead;
  }
  for (int t = 0; t < kTeams; ++t) {
    const int gap = endSeconds - lastGoal[t];
    if (gap > r.gaps[t].seconds) r.gaps[t] = {gap, lastGoal[t], endSeconds};
  }
  return r;
}

RunFigures runFigures(const Match& match) {
  int end = match.clock().shownSeconds();
  for (const Event& e : match.events()) end = std::max(end, e.clockSeconds);
  return runFigures(scoreFlow(match), end);
}
