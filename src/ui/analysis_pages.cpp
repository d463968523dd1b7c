#include "analysis_pages.h"

#include <QHeaderView>

#include "attacks.h"
#include "federation_shots.h"
#include "figure_table.h"
#include "lost_and_penalties.h"
#include "match_clock.h"
#include "match_periods.h"
#include "numbers_on_court.h"
#include "runs.h"
#include "time_out_effect.h"

namespace {

QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString num(int64_t n) {
  return QString::number(n);
}

QString shotsText(const ShotCount& c) {
  return qs(goalsOverShots(c)) + "  " + qs(percentText(c.rate()));
}

QString savesText(const SaveCount& c) {
  return QStringLiteral("%1/%2  %3").arg(c.saves).arg(c.onTarget).arg(qs(percentText(c.rate())));
}

QString timeText(int seconds) {
  return qs(clockText(seconds));
}

// The first columns keep their width; the figures share the rest.
void fixColumns(QTableWidget* table, std::initializer_list<int> widths) {
  int col = 0;
  for (int width : widths) {
    table->horizontalHeader()->setSectionResizeMode(col, QHeaderView::Fixed);
    table->setColumnWidth(col++, width);
  }
}

QStringList federationHeads(const QString& who) {
  QStringList heads = {QStringLiteral("No."), who};
  for (std::string_view g : kFederationGroupWords) heads << qs(g);
  return heads << QStringLiteral("合計");
}

// A row of the federation tables: the person, then each group and the sum.
template <typename Count, typename Text>
void federationRow(QTableWidget* table, int row, const QString& number, const QString& name,
                   const std::array<Count, kFederationGroups>& groups, Text text) {
  setCell(table, row, 0, number);
  setCell(table, row, 1, name, Qt::AlignLeft);
  Count sum;
  for (int g = 0; g < kFederationGroups; ++g) {
    setCell(table, row, 2 + g, text(groups[g]));
    sum += groups[g];
  }
  setCell(table, row, 2 + kFederationGroups, text(sum));
}

}  // namespace

QString teamCaption(const TeamFigures& t) {
  return t.name.empty() ? QStringLiteral("チーム%1").arg(teamNumber(t.team)) : qs(t.name);
}

QString personCaption(const PersonFigures& p) {
  std::string text = p.number;
  if (!p.name.empty()) text += (text.empty() ? "" : " ") + p.name;
  return text.empty() ? QStringLiteral("%1行").arg(p.slot) : qs(text);
}

void setUpFigurePages(Ui::AnalysisWindow& ui) {
  // The lists of any length scroll; the others are as high as their rows.
  for (QTableWidget* t : {ui.federationShotTable, ui.suspensionTable, ui.timeOutEffectTable})
    setUpFigureTable(t, true);
  for (QTableWidget* t : {ui.federationSaveTable, ui.situationTable, ui.stretchTable, ui.runTable,
                          ui.attackTable, ui.penaltyWonTable})
    setUpFigureTable(t);
  setHeads(ui.federationShotTable, federationHeads(QStringLiteral("氏名")));
  setHeads(ui.federationSaveTable, federationHeads(QStringLiteral("GK")));
  for (QTableWidget* t : {ui.federationShotTable, ui.federationSaveTable}) fixColumns(t, {44, 120});
  setHeads(ui.situationTable, {"チーム", "状況", "イベント", "得点/シュート", "成功率", "保持ミス",
                               "攻撃", "攻撃効率"});
  setRows(ui.situationTable, kTeams * kSituations);
  setHeads(ui.suspensionTable, {"チーム", "No.", "氏名", "開始", "終了", "得点", "失点"});
  setHeads(ui.stretchTable, {"", "", "", ""});
  ui.stretchTable->verticalHeader()->show();
  setHeads(ui.runTable, {"", ""}, {"最長連続得点", "最長無得点時間", "最大リード"});
  setHeads(ui.attackTable,
           {"チーム", "攻撃", "得点", "シュートミス", "保持ミス", "得点/攻撃", "保持ミス/攻撃"});
  setRows(ui.attackTable, kTeams);
  setHeads(ui.timeOutEffectTable,
           {"チーム", "時間", "前5分 得点", "前5分 失点", "後5分 得点", "後5分 失点"});
  QStringList reasons;
  for (size_t r = 1; r < kPenaltyReasonWords.size(); ++r) reasons << qs(kPenaltyReasonWords[r]);
  setHeads(ui.penaltyWonTable, {"", "", "", "", "", ""}, reasons << QStringLiteral("合計"));
}

void showFederationPage(Ui::AnalysisWindow& ui, const Match& m, const MatchFigures& f,
                        TeamId team) {
  const TeamFigures& t = f.team(team);
  const TeamFederationShots fed = federationShots(m)[teamIndex(team)];
  setLabel(ui.federationShotTitle,
           teamCaption(t) + QStringLiteral(": シュート (得点/シュート, 成功率)"));
  setLabel(ui.federationSaveTitle,
           teamCaption(t) + QStringLiteral(": ゴールキーパー (セーブ/枠内シュート, セーブ率)"));
  // Every player on the roster, as the federations' sheets list them, and
  // each goalkeeper; the team last.
  std::vector<const PersonFigures*> shooters, keepers;
  for (const PersonFigures& p : t.persons) {
    if (p.slot == kOfficialSlot) continue;
    if (p.listed()) shooters.push_back(&p);
    if (p.keeps()) keepers.push_back(&p);
  }
  auto fill = [&](QTableWidget* table, const std::vector<const PersonFigures*>& persons,
                  auto groups, auto text) {
    setRows(table, static_cast<int>(persons.size()) + 1);
    int row = 0;
    for (const PersonFigures* p : persons)
      federationRow(table, row++, qs(p->number), p->name.empty() ? personCaption(*p) : qs(p->name),
                    groups(fed.persons[p->slot]), text);
    federationRow(table, row, "", qs(kTotalWord), groups(fed.team), text);
  };
  fill(
      ui.federationShotTable, shooters, [](const FederationShots& s) { return s.shots; },
      shotsText);
  fill(
      ui.federationSaveTable, keepers, [](const FederationShots& s) { return s.saves; }, savesText);
}

void showNumbersPage(Ui::AnalysisWindow& ui, const Match& m, const MatchFigures& f) {
  const NumbersOnCourt n = numbersOnCourt(m);
  for (const TeamFigures& t : f.teams)
    for (int s = 0; s < kSituations; ++s) {
      const int row = teamIndex(t.team) * kSituations + s;
      const SituationFigures& x = n.teams[teamIndex(t.team)][s];
      QTableWidget* table = ui.situationTable;
      setCell(table, row, 0, teamCaption(t), Qt::AlignLeft);
      setCell(table, row, 1, qs(kSituationNames[s]), Qt::AlignLeft);
      setCell(table, row, 2, num(x.events));
      setCell(table, row, 3, qs(goalsOverShots(x.shots)));
      setCell(table, row, 4, qs(percentText(x.shots.rate())));
      setCell(table, row, 5, num(x.lost));
      setCell(table, row, 6, num(x.attacks()));
      setCell(table, row, 7, qs(percentText(x.efficiency())));
    }
  QTableWidget* table = ui.suspensionTable;
  setRows(table, static_cast<int>(n.suspensions.size()));
  int row = 0;
  for (const SuspensionEffect& x : n.suspensions) {
    const TeamFigures& t = f.team(x.stretch.team);
    const PersonFigures& p = t.persons[x.stretch.slot];
    setCell(table, row, 0, teamCaption(t), Qt::AlignLeft);
    setCell(table, row, 1, p.slot == kOfficialSlot ? qs(kOfficialWord) : qs(p.number));
    setCell(table, row, 2, qs(p.name), Qt::AlignLeft);
    setCell(table, row, 3, timeText(x.stretch.start));
    setCell(table, row, 4, timeText(x.stretch.end));
    setCell(table, row, 5, num(x.goalsFor));
    setCell(table, row, 6, num(x.goalsAgainst));
    ++row;
  }
}

void showStretchPage(Ui::AnalysisWindow& ui, const Match& m, const MatchFigures& f) {
  QTableWidget* table = ui.stretchTable;
  for (const TeamFigures& t : f.teams) {
    const int col = 2 * teamIndex(t.team);
    setHead(table, col, teamCaption(t) + QStringLiteral(" 得点/シュート"));
    setHead(table, col + 1, teamCaption(t) + QStringLiteral(" 保持ミス"));
  }
  const std::vector<MatchStretch> stretches = matchStretches(m);
  const int rows = static_cast<int>(stretches.size());
  setRows(table, rows + 1);
  std::array<StretchTeamFigures, kTeams> sum{};
  for (int row = 0; row <= rows; ++row) {
    const bool total = row == rows;
    setRowHead(table, row, total ? QStringLiteral("合計") : qs(stretches[row].label()));
    for (int t = 0; t < kTeams; ++t) {
      const StretchTeamFigures& x = total ? sum[t] : stretches[row].teams[t];
      setCell(table, row, 2 * t, qs(goalsOverShots(x.shots)));
      setCell(table, row, 2 * t + 1, num(x.lost));
      if (!total) {
        sum[t].shots += x.shots;
        sum[t].lost += x.lost;
      }
    }
  }
}

void showFlowPage(Ui::AnalysisWindow& ui, const Match& m, const MatchFigures& f) {
  const RunFigures r = runFigures(m);
  QTableWidget* runs = ui.runTable;
  for (const TeamFigures& t : f.teams) {
    const int col = teamIndex(t.team);
    setHead(runs, col, teamCaption(t));
    const GoalRun& run = r.longestRun;
    setCell(runs, 0, col,
            run.goals > 0 && run.team == t.team
                ? QStringLiteral("%1 (%2-%3)")
                      .arg(run.goals)
                      .arg(timeText(run.fromSeconds), timeText(run.toSeconds))
                : QStringLiteral("-"));
    const GoalGap& gap = r.gaps[col];
    setCell(runs, 1, col,
            QStringLiteral("%1 (%2-%3)")
                .arg(timeText(gap.seconds), timeText(gap.fromSeconds), timeText(gap.toSeconds)));
    const Lead& lead = r.leads[col];
    setCell(runs, 2, col,
            lead.goals > 0 ? QStringLiteral("%1 (%2)").arg(lead.goals).arg(timeText(lead.atSeconds))
                           : QStringLiteral("-"));
  }
  setLabel(ui.leadLabel,
           QStringLiteral("リード交代 %1   同点 %2").arg(r.leadChanges).arg(r.timesLevel));

  for (const TeamFigures& t : f.teams) {
    const int row = teamIndex(t.team);
    const AttackFigures a = attackFigures(t);
    setCell(ui.attackTable, row, 0, teamCaption(t), Qt::AlignLeft);
    setCell(ui.attackTable, row, 1, num(a.attacks()));
    setCell(ui.attackTable, row, 2, num(a.goals));
    setCell(ui.attackTable, row, 3, num(a.missedShots));
    setCell(ui.attackTable, row, 4, num(a.lost));
    setCell(ui.attackTable, row, 5, qs(percentText(a.goalsPerAttack())));
    setCell(ui.attackTable, row, 6, qs(percentText(a.lostPerAttack())));
  }

  const std::vector<TimeOutEffect> effects = timeOutEffects(m);
  QTableWidget* table = ui.timeOutEffectTable;
  setRows(table, static_cast<int>(effects.size()));
  int row = 0;
  for (const TimeOutEffect& x : effects) {
    setCell(table, row, 0, teamCaption(f.team(x.team)), Qt::AlignLeft);
    setCell(table, row, 1, timeText(x.clockSeconds));
    int col = 2;
    for (int n : {x.goalsForBefore, x.goalsAgainstBefore, x.goalsForAfter, x.goalsAgainstAfter})
      setCell(table, row, col++, num(n));
    ++row;
  }
}

void showLostPage(Ui::AnalysisWindow& ui, const Match& m, const MatchFigures& f) {
  const auto lp = lostAndPenalties(m);
  for (const TeamFigures& t : f.teams) {
    const bool one = t.team == TeamId::One;
    const LostAndPenalties& x = lp[teamIndex(t.team)];
    int32_t lost = 0;
    for (int32_t n : x.lostByPlace) lost += n;
    setLabel(one ? ui.lostTitleOne : ui.lostTitleTwo,
             teamCaption(t) + QStringLiteral(": 保持ミス %1 (場所別)").arg(lost));
    (one ? ui.lostCourtOne : ui.lostCourtTwo)->setCounts(x.lostByPlace);

    const int col = 3 * teamIndex(t.team);
    QTableWidget* table = ui.penaltyWonTable;
    setHead(table, col, teamCaption(t) + QStringLiteral(" 獲得"));
    setHead(table, col + 1, QStringLiteral("7mスロー"));
    setHead(table, col + 2, QStringLiteral("得点"));
    PenaltyReasonFigures sum;
    const int reasons = static_cast<int>(kPenaltyReasonWords.size()) - 1;
    for (int row = 0; row <= reasons; ++row) {
      const PenaltyReasonFigures& r = row == reasons ? sum : x.penaltiesByReason[row + 1];
      setCell(table, row, col, num(r.won));
      setCell(table, row, col + 1, num(r.thrown));
      setCell(table, row, col + 2, num(r.goals));
      if (row < reasons) {
        sum.won += r.won;
        sum.thrown += r.thrown;
        sum.goals += r.goals;
      }
    }
  }
}
