#include "readings.h"

namespace {

int openColumn(Stage stage) {
  switch (stage) {
    case Stage::None:
      return 0;
    case Stage::PersonCleared:
      return 1;
    case Stage::PersonPicked:
      return 3;
    case Stage::ActionChosen:
      return 4;
    case Stage::PlaceChosen:
      return 5;
  }
  return 0;
}

template <typename Grid>
void append(std::vector<int32_t>& out, const Grid& grid) {
  for (const auto& inner : grid) {
    if constexpr (std::is_integral_v<std::decay_t<decltype(inner)>>)
      out.push_back(inner);
    else
      append(out, inner);
  }
}

}  // namespace

std::vector<int32_t> Readings::Shots::flat() const {
  std::vector<int32_t> out;
  append(out, grids);
  return out;
}

std::vector<int32_t> Readings::KeepMisses::flat() const {
  std::vector<int32_t> out;
  append(out, counts);
  return out;
}

std::vector<int32_t> Readings::Persons::flat() const {
  std::vector<int32_t> out;
  append(out, tallies.persons);
  return out;
}

Readings::Readings(const Match& m) {
  const Entry& e = m.entry();
  (e.event.team == TeamId::Two ? logCol2 : logCol1) = openColumn(e.stage);
  logRow1 = m.teamEventCount(TeamId::One) + 1;
  logRow2 = m.teamEventCount(TeamId::Two) + 1;
  clockRunning = m.clock().running();
  if (e.open()) {
    activeTeam = teamNumber(e.event.team);
    activeSlot = e.event.slot;
    if (e.reached(Stage::ActionChosen)) activeAction = static_cast<int>(e.event.action);
    correctionPending = e.stage == Stage::PersonCleared;
  }
  const Tallies t = countEvents(m);
  for (TeamId team : kBothTeams) {
    goalTally.grids[teamIndex(team)] = t.team(team).goals;
    shotMissTally.grids[teamIndex(team)] = t.team(team).shotMisses;
    keepMissTally.counts[teamIndex(team)] = t.team(team).keepMisses;
  }
  team1Tally.tallies = t.team(TeamId::One);
  team2Tally.tallies = t.team(TeamId::Two);
}
