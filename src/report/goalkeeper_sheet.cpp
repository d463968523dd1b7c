// ゴールキーパー: the goal each team defends, for the team and for each of
// its goalkeepers: zone by zone (位置不明 for the shots on target clicked
// outside the goal), all shots and 7 m throws apart, then per position
// group and per kind of attack.
#include "goalkeeper.h"
#include "workbook_sheets.h"

namespace {

struct KeeperRows {
  XlsxSheet& sheet;
  int& row;
  const std::string& team;
  std::string keeper;  // kTotalWord for the team
  const std::string& number;

  void put(std::string_view kind, std::string_view where, const SaveCount& c) {
    sheet.text(row, 0, team);
    sheet.text(row, 1, keeper);
    sheet.shirtNumber(row, 2, number);
    sheet.text(row, 3, kind);
    sheet.text(row, 4, where);
    sheet.number(row, 5, c.onTarget);
    sheet.number(row, 6, c.saves);
    sheet.number(row, 7, c.goalsAgainst());
    sheet.rate(row, 8, c.rate());
    ++row;
  }

  void all(const GoalkeeperFigures& g) {
    for (int zone = 1; zone <= kGoalZones; ++zone)
      if (onTarget(zone)) put("全シュート", kZoneWords[zone], g.byZone[zone]);
    put("全シュート", kZoneNotKnownWord, g.zoneNotKnown);
    put("全シュート", kTotalWord, g.total);
    for (int zone = 1; zone <= kGoalZones; ++zone)
      if (onTarget(zone)) put("7m", kZoneWords[zone], g.penaltyByZone[zone]);
    put("7m", kZoneNotKnownWord, g.penaltyZoneNotKnown);
    put("7m", kTotalWord, g.penalty);
    for (int group = 0; group < kShotGroups; ++group)
      put("位置", kShotGroupWords[group], g.byGroup[group]);
    for (int a = 0; a < kAttackKinds; ++a) put("攻撃", kAttackWords[a], g.byAttack[a]);
  }
};

}  // namespace

void writeGoalkeeperSheet(XlsxBook& book, const MatchFigures& f) {
  XlsxSheet& sheet = book.addSheet("ゴールキーパー");
  sheet.heads(0, {"守るチーム", "ゴールキーパー", "No.", "区分", "ゾーン・位置・攻撃",
                  "枠内シュート", "セーブ", "失点", "セーブ率"});
  int row = 1;
  const std::string none;
  for (const TeamFigures& t : f.teams) {
    KeeperRows{sheet, row, t.name, std::string(kTotalWord), none}.all(t.goalkeeper);
    for (const PersonFigures& p : t.persons)
      if (p.slot != kOfficialSlot && p.keeps())
        KeeperRows{sheet, row, t.name, p.name, p.number}.all(p.keeping);
  }
}
