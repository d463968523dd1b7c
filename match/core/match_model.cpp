#include "match_model.h"

#include "clock.h"
#include "text_convert.h"

MatchModel::MatchModel() : timeOfDay(wallTimeOfDay) {}

void MatchModel::show(Window w) {
  visible[static_cast<int>(w)] = true;
  raised.push_back(w);
}

bool countCellReadable(const MatchModel& m, int col, int row, bool emptyAllowed) {
  const std::string& text = m.sheet.roster.cell(col, row);
  if (text.empty()) return emptyAllowed;
  return parseInt(text).has_value();
}

void bumpSheetCount(MatchModel& m) {
  const int col = m.state.sheetCol;
  const int row = m.state.sheetRow;
  const std::string& text = m.sheet.roster.cell(col, row);
  if (text.empty()) {
    m.sheet.roster.setCell(col, row, "1");
    return;
  }
  m.sheet.roster.setCell(col, row, intToStr(int64_t{strToInt(text)} + 1));
}
