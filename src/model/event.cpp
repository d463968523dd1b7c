#include "event.h"

#include "match_clock.h"

LogRow logRow(const Event& e) {
  return {logTimeText(e.clockSeconds),
          e.number,
          e.name,
          std::string(actionWord(e.action)),
          std::string(kPlaceWords[e.place]),
          std::string(detailWord(e.action, e.detail))};
}

LogRow partialLogRow(const Entry& entry) {
  LogRow row = logRow(entry.event);
  const int filled = entry.stage == Stage::PersonCleared  ? 1
                     : entry.stage == Stage::PersonPicked ? 3
                     : entry.stage == Stage::ActionChosen ? 4
                     : entry.stage == Stage::PlaceChosen  ? 5
                                                          : 0;
  for (int col = filled; col < 6; ++col) row[col].clear();
  return row;
}

std::string detailText(const Event& e) {
  std::string text(detailWord(e.action, e.detail));
  if (e.facts.writtenReport) text += "（" + std::string(kWrittenReportWord) + "）";
  return text;
}
