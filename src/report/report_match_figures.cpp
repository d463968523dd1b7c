// The match's figures after the federation pages: numbers on court and the
// goals during each suspension, the stretches of play, runs and leads,
// attacks and efficiency, the time-outs' effect, lost possessions by place
// on the court picture and the 7 m throws won by reason.
#include <QFontMetricsF>

#include "attacks.h"
#include "court_drawing.h"
#include "lost_and_penalties.h"
#include "match_clock.h"
#include "match_periods.h"
#include "numbers_on_court.h"
#include "report_sections.h"
#include "runs.h"
#include "time_out_effect.h"

namespace {

constexpr int R = Qt::AlignRight;
constexpr double kColumnGapMm = 4;

QString num(int64_t n) {
  return QString::number(n);
}

QString timeText(int seconds) {
  return qs(clockText(seconds));
}

// A team's name cut short to fit a column's head, as the front page does.
QString fitted(ReportPages& pages, const std::string& name, double widthMm) {
  const QFontMetricsF metrics(pages.font(8, true), pages.painter().device());
  return metrics.elidedText(qs(name), Qt::ElideRight, pages.units(widthMm - 2));
}

void none(ReportPages& pages) {
  pages.text(pages.box(0, pages.top(), pages.width(), 5), "なし", 8);
  pages.moveDown(6);
}

void drawNumbersOnCourt(ReportPages& pages, const Match& m, const MatchFigures& f) {
  const NumbersOnCourt n = numbersOnCourt(m);
  pages.heading("数的状況 (攻撃 = 得点 + シュートミス + 保持ミス)", 10);
  std::vector<TableRow> rows;
  for (const TeamFigures& t : f.teams)
    for (int s = 0; s < kSituations; ++s) {
      const SituationFigures& x = n.teams[teamIndex(t.team)][s];
      rows.push_back({{qs(t.name), qs(kSituationNames[s]), num(x.events),
                       qs(goalsOverShots(x.shots)), qs(percentText(x.shots.rate())), num(x.lost),
                       num(x.attacks()), qs(percentText(x.efficiency()))}});
    }
  drawTable(pages,
            {{"チーム", 44},
             {"状況", 22},
             {"イベント", 16, R},
             {"得点/シュート", 24, R},
             {"成功率", 16, R},
             {"保持ミス", 16, R},
             {"攻撃", 16, R},
             {"攻撃効率", 18, R}},
            rows);
  pages.moveDown(5);

  pages.heading("退場中の得点・失点 (退場したチームから見て)", 10);
  if (n.suspensions.empty()) return none(pages);
  rows.clear();
  for (const SuspensionEffect& x : n.suspensions) {
    const PersonFigures& p = f.team(x.stretch.team).persons[x.stretch.slot];
    rows.push_back({{qs(f.team(x.stretch.team).name),
                     p.slot == kOfficialSlot ? qs(kOfficialWord) : qs(p.number), qs(p.name),
                     timeText(x.stretch.start), timeText(x.stretch.end), num(x.goalsFor),
                     num(x.goalsAgainst)}});
  }
  drawTable(pages,
            {{"チーム", 44},
             {"No.", 12, R},
             {"氏名", 40},
             {"開始", 16, R},
             {"終了", 16, R},
             {"得点", 14, R},
             {"失点", 14, R}},
            rows);
  pages.moveDown(5);
}

void drawStretches(ReportPages& pages, const Match& m, const MatchFigures& f) {
  const std::vector<MatchStretch> stretches = matchStretches(m);
  pages.heading("時間帯 (得点/シュート, 保持ミス)", 10);
  std::vector<TableColumn> columns = {{"時間帯", 22}};
  for (const TeamFigures& t : f.teams) {
    columns.push_back({fitted(pages, t.name, 44), 44, R});
    columns.push_back({"保持ミス", 18, R});
  }
  std::vector<TableRow> rows;
  std::array<StretchTeamFigures, kTeams> sum{};
  for (const MatchStretch& s : stretches) {
    TableRow row{{qs(s.label())}};
    for (int t = 0; t < kTeams; ++t) {
      row.cells.push_back(qs(goalsOverShots(s.teams[t].shots)));
      row.cells.push_back(num(s.teams[t].lost));
      sum[t].shots += s.teams[t].shots;
      sum[t].lost += s.teams[t].lost;
    }
    rows.push_back(row);
  }
  TableRow total{{"合計"}, true};
  for (const StretchTeamFigures& x : sum) {
    total.cells.push_back(qs(goalsOverShots(x.shots)));
    total.cells.push_back(num(x.lost));
  }
  rows.push_back(total);
  drawTable(pages, columns, rows);
  pages.moveDown(5);
}

void drawRuns(ReportPages& pages, const Match& m, const MatchFigures& f) {
  const RunFigures r = runFigures(m);
  pages.heading("流れ", 10);
  std::vector<TableColumn> columns = {{"", 36}};
  for (const TeamFigures& t : f.teams) columns.push_back({fitted(pages, t.name, 50), 50, R});
  TableRow run{{"最長連続得点"}}, gap{{"最長無得点時間"}}, lead{{"最大リード"}};
  for (const TeamFigures& t : f.teams) {
    const int i = teamIndex(t.team);
    const GoalRun& x = r.longestRun;
    run.cells.push_back(
        x.goals > 0 && x.team == t.team
            ? QString("%1 (%2-%3)").arg(x.goals).arg(timeText(x.fromSeconds), timeText(x.toSeconds))
            : "-");
    gap.cells.push_back(QString("%1 (%2-%3)")
                            .arg(timeText(r.gaps[i].seconds), timeText(r.gaps[i].fromSeconds),
                                 timeText(r.gaps[i].toSeconds)));
    lead.cells.push_back(
        r.leads[i].goals > 0
            ? QString("%1 (%2)").arg(r.leads[i].goals).arg(timeText(r.leads[i].atSeconds))
            : "-");
  }
  drawTable(pages, columns, {run, gap, lead});
  pages.moveDown(1);
  pages.text(pages.box(0, pages.top(), pages.width(), 5),
             QString("リード交代 %1   同点 %2").arg(r.leadChanges).arg(r.timesLevel), 8);
  pages.moveDown(8);
}

void drawAttacks(ReportPages& pages, const MatchFigures& f) {
  pages.heading("攻撃と効率 (攻撃 = 得点 + シュートミス + 保持ミス)", 10);
  std::vector<TableRow> rows;
  for (const TeamFigures& t : f.teams) {
    const AttackFigures a = attackFigures(t);
    rows.push_back({{qs(t.name), num(a.attacks()), num(a.goals), num(a.missedShots), num(a.lost),
                     qs(percentText(a.goalsPerAttack())), qs(percentText(a.lostPerAttack()))}});
  }
  drawTable(pages,
            {{"チーム", 50},
             {"攻撃", 16, R},
             {"得点", 16, R},
             {"シュートミス", 22, R},
             {"保持ミス", 18, R},
             {"得点/攻撃", 20, R},
             {"保持ミス/攻撃", 24, R}},
            rows);
  pages.moveDown(5);
}

void drawTimeOutEffects(ReportPages& pages, const Match& m) {
  const std::vector<TimeOutEffect> effects = timeOutEffects(m);
  pages.heading("作戦タイムの効果 (前後5分の得点と失点)", 10);
  if (effects.empty()) return none(pages);
  std::vector<TableRow> rows;
  for (const TimeOutEffect& x : effects)
    rows.push_back({{qs(m.team(x.team).name), timeText(x.clockSeconds), num(x.goalsForBefore),
                     num(x.goalsAgainstBefore), num(x.goalsForAfter), num(x.goalsAgainstAfter)}});
  drawTable(pages,
            {{"チーム", 50},
             {"時間", 16, R},
             {"前5分 得点", 22, R},
             {"前5分 失点", 22, R},
             {"後5分 得点", 22, R},
             {"後5分 失点", 22, R}},
            rows);
  pages.moveDown(5);
}

void drawLostAndPenalties(ReportPages& pages, const Match& m, const MatchFigures& f) {
  const auto lp = lostAndPenalties(m);
  const double width = (pages.width() - kColumnGapMm) / 2;
  const double courtHeight = width * kCourtPictureHeight / kCourtPictureWidth;
  pages.needRoom(10 + 6 + courtHeight + 6);
  pages.heading("保持ミスの位置", 10);
  for (const TeamFigures& t : f.teams) {
    const double left = teamIndex(t.team) * (width + kColumnGapMm);
    int32_t lost = 0;
    for (int32_t n : lp[teamIndex(t.team)].lostByPlace) lost += n;
    pages.text(pages.box(left, pages.top(), width, 5),
               fitted(pages, t.name, width - 20) + QString("  保持ミス %1").arg(lost), 9,
               Qt::AlignLeft, true);
    drawPlaceCounts(pages.painter(), pages.box(left, pages.top() + 6, width, courtHeight),
                    lp[teamIndex(t.team)].lostByPlace);
  }
  pages.moveDown(6 + courtHeight + 5);

  pages.heading("7mスロー獲得 (理由別)", 10);
  std::vector<TableRow> rows;
  for (const TeamFigures& t : f.teams) {
    PenaltyReasonFigures sum;
    for (size_t r = 1; r < kPenaltyReasonWords.size(); ++r) {
      const PenaltyReasonFigures& x = lp[teamIndex(t.team)].penaltiesByReason[r];
      rows.push_back(
          {{qs(t.name), qs(kPenaltyReasonWords[r]), num(x.won), num(x.thrown), num(x.goals)}});
      sum.won += x.won;
      sum.thrown += x.thrown;
      sum.goals += x.goals;
    }
    rows.push_back({{qs(t.name), "合計", num(sum.won), num(sum.thrown), num(sum.goals)}, true});
  }
  drawTable(pages,
            {{"チーム", 50}, {"理由", 30}, {"獲得", 18, R}, {"7mスロー", 18, R}, {"得点", 18, R}},
            rows);
}

}  // namespace

void drawMatchFigures(ReportPages& pages, const Match& m, const MatchFigures& f) {
  pages.newPage();
  drawNumbersOnCourt(pages, m, f);
  drawStretches(pages, m, f);
  drawRuns(pages, m, f);
  drawAttacks(pages, f);
  drawTimeOutEffects(pages, m);
  drawLostAndPenalties(pages, m, f);
}
