// The sheets of the match statistics, one per table (workbook_sheets.h).
#include "attacks.h"
#include "federation_shots.h"
#include "lost_and_penalties.h"
#include "match_periods.h"
#include "numbers_on_court.h"
#include "runs.h"
#include "time_out_effect.h"
#include "workbook_sheets.h"

namespace {

void putShots(XlsxSheet& sheet, int row, int col, const ShotCount& c) {
  sheet.number(row, col, c.goals);
  sheet.number(row, col + 1, c.shots);
  sheet.rate(row, col + 2, c.rate());
}

std::string personWord(const Match& m, TeamId team, int slot) {
  return slot == kOfficialSlot ? std::string(kOfficialWord) : m.team(team).lines[slot].name;
}

void writeFederationSheet(XlsxBook& book, const Match& m, const MatchFigures& f) {
  XlsxSheet& sheet = book.addSheet("連盟形式");
  sheet.heads(0, {"チーム", "選手", "No.", "区分", "得点", "シュート", "成功率", "枠内シュート",
                  "セーブ", "セーブ率"});
  const auto fed = federationShots(m);
  int row = 1;
  auto block = [&](const TeamFigures& t, const std::string& who, const std::string& number,
                   const FederationShots& s) {
    for (int g = 0; g < kFederationGroups; ++g, ++row) {
      sheet.text(row, 0, t.name);
      sheet.text(row, 1, who);
      sheet.shirtNumber(row, 2, number);
      sheet.text(row, 3, kFederationGroupWords[g]);
      putShots(sheet, row, 4, s.shots[g]);
      sheet.number(row, 7, s.saves[g].onTarget);
      sheet.number(row, 8, s.saves[g].saves);
      sheet.rate(row, 9, s.saves[g].rate());
    }
  };
  for (const TeamFigures& t : f.teams) {
    const TeamFederationShots& tf = fed[teamIndex(t.team)];
    block(t, std::string(kTotalWord), "", tf.team);
    for (const PersonFigures& p : t.persons)
      if (p.slot != kOfficialSlot && (p.shots.total.shots > 0 || p.keeping.shotsFaced() > 0))
        block(t, p.name, p.number, tf.persons[p.slot]);
  }
}

void writeNumbersSheets(XlsxBook& book, const Match& m, const MatchFigures& f) {
  const NumbersOnCourt n = numbersOnCourt(m);
  XlsxSheet& sheet = book.addSheet("数的状況");
  sheet.heads(0, {"チーム", "状況", "イベント", "得点", "シュート", "成功率", "保持ミス", "攻撃",
                  "攻撃効率"});
  int row = 1;
  for (const TeamFigures& t : f.teams)
    for (int s = 0; s < kSituations; ++s, ++row) {
      const SituationFigures& x = n.teams[teamIndex(t.team)][s];
      sheet.text(row, 0, t.name);
      sheet.text(row, 1, kSituationNames[s]);
      sheet.number(row, 2, x.events);
      putShots(sheet, row, 3, x.shots);
      sheet.number(row, 6, x.lost);
      sheet.number(row, 7, x.attacks());
      sheet.rate(row, 8, x.efficiency());
    }
  XlsxSheet& during = book.addSheet("退場中");
  during.heads(0, {"チーム", "No.", "氏名", "開始", "終了", "得点", "失点"});
  row = 1;
  for (const SuspensionEffect& x : n.suspensions) {
    const TeamId team = x.stretch.team;
    const int slot = x.stretch.slot;
    during.text(row, 0, m.team(team).name);
    during.shirtNumber(row, 1, slot == kOfficialSlot ? "" : m.team(team).lines[slot].number);
    during.text(row, 2, personWord(m, team, slot));
    during.time(row, 3, x.stretch.start);
    during.time(row, 4, x.stretch.end);
    during.number(row, 5, x.goalsFor);
    during.number(row, 6, x.goalsAgainst);
    ++row;
  }
}

void writeStretchSheet(XlsxBook& book, const Match& m, const MatchFigures& f) {
  XlsxSheet& sheet = book.addSheet("時間帯");
  std::vector<std::string> heads = {"時間帯"};
  for (const TeamFigures& t : f.teams)
    for (const char* h : {" 得点", " シュート", " 保持ミス"}) heads.push_back(t.name + h);
  sheet.heads(0, heads);
  int row = 1;
  for (const MatchStretch& s : matchStretches(m)) {
    sheet.text(row, 0, s.label());
    for (int t = 0; t < kTeams; ++t) {
      sheet.number(row, 1 + 3 * t, s.teams[t].shots.goals);
      sheet.number(row, 2 + 3 * t, s.teams[t].shots.shots);
      sheet.number(row, 3 + 3 * t, s.teams[t].lost);
    }
    ++row;
  }
}

void writeRunSheet(XlsxBook& book, const Match& m, const MatchFigures& f) {
  XlsxSheet& sheet = book.addSheet("流れ");
  sheet.heads(0, {"項目", f.teams[0].name, f.teams[1].name});
  const RunFigures r = runFigures(m);
  int row = 1;
  auto both = [&](std::string_view label, auto value) {
    sheet.text(row, 0, label);
    for (int t = 0; t < kTeams; ++t) value(t, row, 1 + t);
    ++row;
  };
  both("最長連続得点", [&](int t, int rw, int col) {
    sheet.number(rw, col, teamIndex(r.longestRun.team) == t ? r.longestRun.goals : 0);
  });
  both("最長無得点時間", [&](int t, int rw, int col) { sheet.time(rw, col, r.gaps[t].seconds); });
  both("最大リード", [&](int t, int rw, int col) { sheet.number(rw, col, r.leads[t].goals); });
  sheet.text(row, 0, "リード交代");
  sheet.number(row++, 1, r.leadChanges);
  sheet.text(row, 0, "同点");
  sheet.number(row++, 1, r.timesLevel);
}

void writeAttackSheet(XlsxBook& book, const MatchFigures& f) {
  XlsxSheet& sheet = book.addSheet("攻撃");
  sheet.heads(0,
              {"チーム", "攻撃", "得点", "シュートミス", "保持ミス", "得点/攻撃", "保持ミス/攻撃"});
  int row = 1;
  for (const TeamFigures& t : f.teams) {
    const AttackFigures a = attackFigures(t);
    sheet.text(row, 0, t.name);
    sheet.number(row, 1, a.attacks());
    sheet.number(row, 2, a.goals);
    sheet.number(row, 3, a.missedShots);
    sheet.number(row, 4, a.lost);
    sheet.rate(row, 5, a.goalsPerAttack());
    sheet.rate(row, 6, a.lostPerAttack());
    ++row;
  }
}

void writeTimeOutSheet(XlsxBook& book, const Match& m) {
  XlsxSheet& sheet = book.addSheet("タイムアウト効果");
  sheet.heads(0, {"チーム", "時間", "前5分 得点", "前5分 失点", "後5分 得点", "後5分 失点"});
  int row = 1;
  for (const TimeOutEffect& x : timeOutEffects(m)) {
    sheet.text(row, 0, m.team(x.team).name);
    sheet.time(row, 1, x.clockSeconds);
    sheet.number(row, 2, x.goalsForBefore);
    sheet.number(row, 3, x.goalsAgainstBefore);
    sheet.number(row, 4, x.goalsForAfter);
    sheet.number(row, 5, x.goalsAgainstAfter);
    ++row;
  }
}

void writeLostAndPenaltySheets(XlsxBook& book, const Match& m, const MatchFigures& f) {
  const auto lp = lostAndPenalties(m);
  XlsxSheet& lost = book.addSheet("保持ミス位置");
  lost.heads(0, {"場所", f.teams[0].name, f.teams[1].name});
  for (int p = 1; p <= kCourtPlaces; ++p) {
    lost.text(p, 0, kPlaceWords[p]);
    for (int t = 0; t < kTeams; ++t) lost.number(p, 1 + t, lp[t].lostByPlace[p]);
  }
  XlsxSheet& won = book.addSheet("7m獲得");
  won.heads(0, {"チーム", "理由", "獲得", "7mスロー", "得点"});
  int row = 1;
  for (const TeamFigures& t : f.teams)
    for (size_t r = 1; r < kPenaltyReasonWords.size(); ++r, ++row) {
      const PenaltyReasonFigures& x = lp[teamIndex(t.team)].penaltiesByReason[r];
      won.text(row, 0, t.name);
      won.text(row, 1, kPenaltyReasonWords[r]);
      won.number(row, 2, x.won);
      won.number(row, 3, x.thrown);
      won.number(row, 4, x.goals);
    }
}

}  // namespace

void writeMatchFigureSheets(XlsxBook& book, const Match& m, const MatchFigures& f) {
  writeFederationSheet(book, m, f);
  writeNumbersSheets(book, m, f);
  writeStretchSheet(book, m, f);
  writeRunSheet(book, m, f);
  writeAttackSheet(book, f);
  writeTimeOutSheet(book, m);
  writeLostAndPenaltySheets(book, m, f);
}
