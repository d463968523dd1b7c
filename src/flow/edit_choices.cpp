#include "edit_choices.h"

std::vector<EditChoice> personChoices(const Match& m, TeamId team) {
  std::vector<EditChoice> choices;
  for (int slot = kOfficialSlot; slot <= kLastPlayerSlot; ++slot) {
    const RosterLine& line = m.team(team).lines[slot];
    std::string text = slot == kOfficialSlot ? std::string(kOfficialWord) : line.number;
    if (!line.name.empty()) text += (text.empty() ? "" : " ") + line.name;
    if (text.empty()) text = std::to_string(slot) + "行";
    choices.push_back({slot, text});
  }
  return choices;
}

std::vector<EditChoice> actionChoices(int slot) {
  std::vector<EditChoice> choices;
  for (int code = 1; code <= kActions; ++code)
    if (allowedForSlot(static_cast<Action>(code), slot))
      choices.push_back({code, std::string(kActionWords[code])});
  return choices;
}

std::vector<EditChoice> placeChoices(Action a) {
  std::vector<EditChoice> choices;
  for (int code = 1; code <= place::kBench; ++code)
    if (placeAllowed(a, code)) choices.push_back({code, std::string(kPlaceWords[code])});
  return choices;
}

std::vector<EditChoice> detailChoices(Action a) {
  std::vector<EditChoice> choices;
  for (int code = 1; code <= detailCount(a); ++code)
    choices.push_back({code, std::string(detailWord(a, code))});
  return choices;
}

std::vector<EditChoice> periodChoices(const Periods& p, int seconds) {
  std::vector<EditChoice> choices;
  for (int period = 1; period <= p.last(); ++period)
    if (p.holds(period, seconds)) choices.push_back({period, std::string(kPeriodWords[period])});
  return choices;
}
