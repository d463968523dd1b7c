#include "lost_and_penalties.h"

#include "match.h"
#include "tallies.h"

std::array<LostAndPenalties, kTeams> lostAndPenalties(const Match& match) {
  std::array<LostAndPenalties, kTeams> all;
  std::array<int, kTeams> waiting{0, 0};  // the reason of the throw won and not yet taken
  for (const Event& e : match.events()) {
    const int t = teamIndex(e.team);
    LostAndPenalties& f = all[t];
    if (e.action == Action::KeepMiss && e.place >= 1 && e.place <= kCourtPlaces)
      ++f.lostByPlace[e.place];
    if (e.action == Action::PenaltyWon && e.detail >= 1 &&
        e.detail < static_cast<int>(f.penaltiesByReason.size())) {
      ++f.penaltiesByReason[e.detail].won;
      waiting[t] = e.detail;
    }
    if (countsAsShot(e) && e.place == place::kPenaltyThrow && waiting[t] != 0) {
      PenaltyReasonFigures& r = f.penaltiesByReason[waiting[t]];
      ++r.thrown;
      if (e.action == Action::Goal) ++r.goals;
      waiting[t] = 0;
    }
  }
  return all;
}
