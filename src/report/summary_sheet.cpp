// 概要: one row per figure, a column per team, the halves' figures last;
// the score flow below.
#include <algorithm>

#include "workbook_sheets.h"

namespace {

class SummaryRows {
 public:
  SummaryRows(XlsxSheet& sheet, const MatchFigures& f) : sheet_(sheet), f_(f) {}

  template <typename Value>
  void numbers(const std::string& label, Value value) {
    sheet_.text(row_, 0, label);
    for (TeamId team : kBothTeams) sheet_.number(row_, teamNumber(team), value(f_.team(team)));
    ++row_;
  }
  template <typename Rate>
  void rates(const std::string& label, Rate rate) {
    sheet_.text(row_, 0, label);
    for (TeamId team : kBothTeams) sheet_.rate(row_, teamNumber(team), rate(f_.team(team)));
    ++row_;
  }
  void timeOuts() {
    size_t most = 0;
    for (const TeamFigures& t : f_.teams) most = std::max(most, t.timeOuts.size());
    for (size_t n = 0; n < most; ++n) {
      sheet_.text(row_, 0, "作戦タイム" + std::to_string(n + 1));
      for (TeamId team : kBothTeams)
        if (n < f_.team(team).timeOuts.size())
          sheet_.time(row_, teamNumber(team), f_.team(team).timeOuts[n].clockSeconds);
      ++row_;
    }
  }
  // Per half: each team's goals and shots in it, and its score at the end.
  void halves() {
    for (const HalfFigures& h : f_.halves) {
      const std::string half(kPeriodWords[h.period]);
      sheet_.text(row_, 0, half + "得点");
      sheet_.text(row_ + 1, 0, half + "シュート");
      sheet_.text(row_ + 2, 0, half + "終了時の得点");
      for (TeamId team : kBothTeams) {
        const int col = teamNumber(team);
        sheet_.number(row_, col, h.team(team).goals);
        sheet_.number(row_ + 1, col, h.team(team).shots);
        sheet_.number(row_ + 2, col, team == TeamId::One ? h.score.team1 : h.score.team2);
      }
      row_ += 3;
    }
  }
  int row() const { return row_; }

 private:
  XlsxSheet& sheet_;
  const MatchFigures& f_;
  int row_ = 1;
};

void writeScoreFlow(XlsxSheet& sheet, const MatchFigures& f, int row) {
  sheet.heads(row, {"得点経過", "得点チーム", f.team(TeamId::One).name, f.team(TeamId::Two).name});
  for (const ScorePoint& p : f.scoreFlow) {
    ++row;
    sheet.time(row, 0, p.clockSeconds);
    sheet.text(row, 1, f.team(p.team).name);
    sheet.number(row, 2, p.score.team1);
    sheet.number(row, 3, p.score.team2);
  }
}

}  // namespace

void writeSummarySheet(XlsxBook& book, const MatchFigures& f) {
  XlsxSheet& sheet = book.addSheet("概要");
  sheet.heads(0, {"項目", f.team(TeamId::One).name, f.team(TeamId::Two).name});
  SummaryRows r(sheet, f);
  r.numbers("得点", [](const TeamFigures& t) { return t.goals; });
  r.numbers("シュート", [](const TeamFigures& t) { return t.shots.total.shots; });
  r.rates("成功率", [](const TeamFigures& t) { return t.shots.total.rate(); });
  r.numbers("7mシュート", [](const TeamFigures& t) { return t.shots.penalty().shots; });
  r.numbers("7m得点", [](const TeamFigures& t) { return t.shots.penalty().goals; });
  r.rates("7m成功率", [](const TeamFigures& t) { return t.shots.penalty().rate(); });
  // The team's shots: on target, how the misses ended, assists, attacks.
  r.numbers("枠内シュート", [](const TeamFigures& t) { return t.shots.onTarget(); });
  for (int o = 1; o <= kMissOutcomes; ++o)
    r.numbers("シュートミス(" + std::string(kMissOutcomeWords[o]) + ")",
              [o](const TeamFigures& t) { return t.shots.missesBy[o]; });
  r.numbers("アシスト", [](const TeamFigures& t) { return t.assists; });
  for (int a = 0; a < kAttackKinds; ++a) {
    const std::string kind(kAttackWords[a]);
    r.numbers(kind + "シュート", [a](const TeamFigures& t) { return t.shots.byAttack[a].shots; });
    r.numbers(kind + "得点", [a](const TeamFigures& t) { return t.shots.byAttack[a].goals; });
  }
  // The goal the team defends: 失点 is always the other team's 得点.
  r.numbers("被枠内シュート", [](const TeamFigures& t) { return t.goalkeeper.total.onTarget; });
  r.numbers("セーブ", [](const TeamFigures& t) { return t.goalkeeper.total.saves; });
  r.numbers("失点", [](const TeamFigures& t) { return t.goalkeeper.total.goalsAgainst(); });
  r.rates("セーブ率", [](const TeamFigures& t) { return t.goalkeeper.total.rate(); });
  r.numbers("7m被枠内シュート", [](const TeamFigures& t) { return t.goalkeeper.penalty.onTarget; });
  r.numbers("7mセーブ", [](const TeamFigures& t) { return t.goalkeeper.penalty.saves; });
  r.rates("7mセーブ率", [](const TeamFigures& t) { return t.goalkeeper.penalty.rate(); });
  r.numbers("被シュートポスト", [](const TeamFigures& t) { return t.goalkeeper.posts; });
  r.numbers("被シュートブロック", [](const TeamFigures& t) { return t.goalkeeper.blocked; });
  r.numbers("被シュート枠外", [](const TeamFigures& t) { return t.goalkeeper.wide; });
  for (int kind = 1; kind <= kKeepMissKinds; ++kind)
    r.numbers("保持ミス(" + std::string(kKeepMissWords[kind]) + ")",
              [kind](const TeamFigures& t) { return t.lostByKind[kind]; });
  r.numbers("保持ミス", [](const TeamFigures& t) { return t.lost; });
  r.numbers("PT(獲得)", [](const TeamFigures& t) { return t.penaltiesWon; });
  r.numbers("警告", [](const TeamFigures& t) { return t.warnings; });
  r.numbers("退場", [](const TeamFigures& t) { return t.suspensions; });
  r.numbers("失格", [](const TeamFigures& t) { return t.disqualifications; });
  r.numbers("作戦タイム", [](const TeamFigures& t) { return t.timeOuts.size(); });
  r.timeOuts();
  r.numbers("貢献度", [](const TeamFigures& t) { return t.contribution; });
  r.halves();
  writeScoreFlow(sheet, f, r.row() + 1);
}
