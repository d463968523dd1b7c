// ゴールキーパー: the goal each team defends, zone by zone.
#include "goalkeeper.h"
#include "workbook_sheets.h"

namespace {

void writeSaves(XlsxSheet& sheet, int row, const std::string& team, const char* kind,
                std::string_view zone, const SaveCount& c) {
  sheet.text(row, 0, team);
  sheet.text(row, 1, kind);
  sheet.text(row, 2, zone);
  sheet.number(row, 3, c.onTarget);
  sheet.number(row, 4, c.saves);
  sheet.number(row, 5, c.goalsAgainst());
  sheet.rate(row, 6, c.rate());
}

}  // namespace

void writeGoalkeeperSheet(XlsxBook& book, const MatchFigures& f) {
  XlsxSheet& sheet = book.addSheet("ゴールキーパー");
  sheet.heads(0, {"守るチーム", "区分", "ゾーン", "枠内シュート", "セーブ", "失点", "セーブ率"});
  int row = 1;
  for (const TeamFigures& t : f.teams) {
    const GoalkeeperFigures& g = t.goalkeeper;
    for (int zone = 1; zone <= kGoalZones; ++zone)
      if (onTarget(zone))
        writeSaves(sheet, row++, t.name, "全シュート", kZoneWords[zone], g.byZone[zone]);
    writeSaves(sheet, row++, t.name, "全シュート", kTotalWord, g.total);
    for (int zone = 1; zone <= kGoalZones; ++zone)
      if (onTarget(zone))
        writeSaves(sheet, row++, t.name, "7m", kZoneWords[zone], g.penaltyByZone[zone]);
    writeSaves(sheet, row++, t.name, "7m", kTotalWord, g.penalty);
  }
}
