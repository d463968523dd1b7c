#include "score_flow.h"

#include "match.h"
#include "shoot_out.h"

std::vector<Score> scoresAfterEvents(const Match& match) {
  std::vector<Score> scores;
  scores.reserve(match.events().size());
  Score now;
  for (const Event& e : match.events()) {
    if (e.action == Action::Goal && !inShootOut(e))
      ++(e.team == TeamId::Two ? now.team2 : now.team1);
    scores.push_back(now);
  }
  return scores;
}

std::vector<ScorePoint> scoreFlow(const Match& match) {
  std::vector<ScorePoint> flow;
  const std::vector<Score> scores = scoresAfterEvents(match);
  for (size_t i = 0; i < scores.size(); ++i) {
    const Event& e = match.events()[i];
    if (e.action == Action::Goal && !inShootOut(e))
      flow.push_back({e.clockSeconds, e.team, scores[i]});
  }
  return flow;
}

std::string scoreText(const Score& s) {
  return std::to_string(s.team1) + "-" + std::to_string(s.team2);
}
