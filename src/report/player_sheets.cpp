// 選手 and シュート: the persons' counts, and the shots of teams and players
// by place and by goal zone.
#include "workbook_sheets.h"

namespace {

struct CountRow {
  const ShotFigures& shots;
  int32_t lost, penaltiesWon, timeOuts, warnings, suspensions, disqualifications;
  int64_t contribution;
  int32_t assists;
};

void writeCounts(XlsxSheet& sheet, int row, const CountRow& c) {
  sheet.number(row, 4, c.shots.total.goals);
  sheet.number(row, 5, c.shots.total.shots);
  sheet.rate(row, 6, c.shots.total.rate());
  sheet.number(row, 7, c.shots.penalty().goals);
  sheet.number(row, 8, c.shots.penalty().shots);
  int col = 9;
  for (const int64_t n :
       {int64_t{c.lost}, int64_t{c.penaltiesWon}, int64_t{c.timeOuts}, int64_t{c.warnings},
        int64_t{c.suspensions}, int64_t{c.disqualifications}, c.contribution})
    sheet.number(row, col++, static_cast<double>(n));
  sheet.number(row, col++, c.assists);
  for (int o = 1; o <= kMissOutcomes; ++o) sheet.number(row, col++, c.shots.missesBy[o]);
}

void writeShotRows(XlsxSheet& sheet, int& row, const std::string& team, const std::string& who,
                   const std::string& number, const ShotFigures& s, bool penaltyZones) {
  auto put = [&](const char* kind, std::string_view where, const ShotCount& c) {
    sheet.text(row, 0, team);
    sheet.text(row, 1, who);
    sheet.shirtNumber(row, 2, number);
    sheet.text(row, 3, kind);
    sheet.text(row, 4, where);
    sheet.number(row, 5, c.goals);
    sheet.number(row, 6, c.shots);
    sheet.rate(row, 7, c.rate());
    ++row;
  };
  for (int place = 1; place <= kCourtPlaces; ++place)
    put("場所", kPlaceWords[place], s.byPlace[place]);
  for (int zone = 1; zone <= kGoalZones; ++zone) put("ゾーン", kZoneWords[zone], s.byZone[zone]);
  for (int a = 0; a < kAttackKinds; ++a) put("攻撃", kAttackWords[a], s.byAttack[a]);
  if (!penaltyZones) return;
  for (int zone = 1; zone <= kGoalZones; ++zone)
    put("7mゾーン", kZoneWords[zone], s.penaltyByZone[zone]);
}

}  // namespace

void writePlayerSheet(XlsxBook& book, const MatchFigures& f) {
  XlsxSheet& sheet = book.addSheet("選手");
  sheet.heads(0,
              {"チーム", "区分",       "No.",      "氏名",     "得点",       "シュート", "成功率",
               "7m得点", "7mシュート", "保持ミス", "PT(獲得)", "作戦タイム", "警告",     "退場",
               "失格",   "貢献度",     "アシスト", "被セーブ", "ポスト",     "ブロック", "枠外"});
  int row = 1;
  for (const TeamFigures& t : f.teams) {
    for (const PersonFigures& p : t.persons) {
      if (!p.listed()) continue;
      sheet.text(row, 0, t.name);
      sheet.text(row, 1, p.slot == kOfficialSlot ? kOfficialWord : "選手");
      sheet.shirtNumber(row, 2, p.number);
      sheet.text(row, 3, p.name);
      writeCounts(sheet, row,
                  {p.shots, p.lost, p.penaltiesWon, p.timeOuts, p.warnings, p.suspensions,
                   p.disqualifications, p.contribution, p.assists});
      ++row;
    }
    sheet.text(row, 0, t.name);
    sheet.text(row, 1, kTotalWord);
    writeCounts(sheet, row,
                {t.shots, t.lost, t.penaltiesWon, static_cast<int32_t>(t.timeOuts.size()),
                 t.warnings, t.suspensions, t.disqualifications, t.contribution, t.assists});
    ++row;
  }
}

void writeShotSheet(XlsxBook& book, const MatchFigures& f) {
  XlsxSheet& sheet = book.addSheet("シュート");
  sheet.heads(0, {"チーム", "氏名", "No.", "区分", "場所・ゾーン", "得点", "シュート", "成功率"});
  int row = 1;
  for (const TeamFigures& t : f.teams) {
    writeShotRows(sheet, row, t.name, std::string(kTotalWord), "", t.shots, true);
    for (const PersonFigures& p : t.persons)
      if (p.shots.total.shots > 0)
        writeShotRows(sheet, row, t.name, p.name, p.number, p.shots, false);
  }
}
