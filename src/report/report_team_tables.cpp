// Per team: the player table, the goalkeeper's figures, the other counts.
#include "court_drawing.h"
#include "report_sections.h"

namespace {

constexpr double kSaveMapWidthMm = 80, kSaveMapHeightMm = 24;

QString num(int64_t n) {
  return QString::number(n);
}

TableRow countRow(const QString& number, const QString& name, const ShotFigures& s, int32_t lost,
                  int32_t penaltiesWon, int32_t timeOuts, int32_t warnings, int32_t suspensions,
                  int32_t disqualifications, int64_t contribution, bool bold = false) {
  return {{number, name, num(s.total.goals), num(s.total.shots), qs(percentText(s.total.rate())),
           qs(goalsOverShots(s.penalty())), num(lost), num(penaltiesWon), num(timeOuts),
           num(warnings), num(suspensions), num(disqualifications), num(contribution)},
          bold};
}

void drawPlayerTable(ReportPages& pages, const TeamFigures& t) {
  constexpr int R = Qt::AlignRight;
  const std::vector<TableColumn> columns = {
      {"No.", 10, R},    {"氏名", 50},    {"得点", 10, R},     {"シュート", 13, R},
      {"成功率", 12, R}, {"7m", 12, R},   {"保持ミス", 13, R}, {"PT獲得", 12, R},
      {"作戦T", 11, R},  {"警告", 10, R}, {"退場", 10, R},     {"失格", 10, R},
      {"貢献度", 13, R},
  };
  std::vector<TableRow> rows;
  for (const PersonFigures& p : t.persons) {
    if (!p.listed()) continue;
    const QString number = p.slot == kOfficialSlot ? qs(kOfficialWord) : qs(p.number);
    rows.push_back(countRow(number, qs(p.name), p.shots, p.lost, p.penaltiesWon, p.timeOuts,
                            p.warnings, p.suspensions, p.disqualifications, p.contribution));
  }
  rows.push_back(countRow("", qs(kTotalWord), t.shots, t.lost, t.penaltiesWon,
                          static_cast<int32_t>(t.timeOuts.size()), t.warnings, t.suspensions,
                          t.disqualifications, t.contribution, true));
  drawTable(pages, columns, rows);
}

QString saveLine(const char* what, const SaveCount& c) {
  return QString("%1: 枠内シュート %2  セーブ %3  失点 %4  セーブ率 %5")
      .arg(what)
      .arg(c.onTarget)
      .arg(c.saves)
      .arg(c.goalsAgainst())
      .arg(qs(percentText(c.rate())));
}

void drawGoalkeeper(ReportPages& pages, const TeamFigures& t) {
  pages.needRoom(6 + kSaveMapHeightMm + 4);
  pages.text(pages.box(0, pages.top(), pages.width(), 5),
             "ゴールキーパー (" + qs(t.name) + " のゴール, セーブ/枠内シュート)", 9, Qt::AlignLeft,
             true);
  pages.moveDown(6);
  const double top = pages.top();
  drawGoalMap(pages.painter(), pages.box(0, top, kSaveMapWidthMm, kSaveMapHeightMm),
              saveCells(t.goalkeeper), pages.font(7));
  const double textLeft = kSaveMapWidthMm + 6, textWidth = pages.width() - textLeft;
  const GoalkeeperFigures& g = t.goalkeeper;
  const QString lines[] = {saveLine("全体", g.total), saveLine("7m", g.penalty),
                           saveLine("7m以外", g.field()),
                           QString("枠外へのシュートミス %1").arg(g.wide)};
  double y = top;
  for (const QString& line : lines) {
    pages.text(pages.box(textLeft, y, textWidth, 4.5), line, 8);
    y += 5;
  }
  pages.moveDown(kSaveMapHeightMm + 3);
}

void drawOtherCounts(ReportPages& pages, const TeamFigures& t) {
  QStringList lost;
  for (int kind = 1; kind <= kKeepMissKinds; ++kind)
    lost << qs(kKeepMissWords[kind]) + " " + num(t.lostByKind[kind]);
  QStringList timeOuts;
  for (const TimeOutFigure& to : t.timeOuts)
    timeOuts << qs(to.time()) + " (" + qs(kSituationWords[to.situation]) + ")";
  const QString lines[] = {
      "保持ミス " + num(t.lost) + ": " + lost.join(", "),
      QString("PT(獲得) %1   警告 %2   退場 %3   失格 %4")
          .arg(t.penaltiesWon)
          .arg(t.warnings)
          .arg(t.suspensions)
          .arg(t.disqualifications),
      "作戦タイム: " + (timeOuts.isEmpty() ? QString("なし") : timeOuts.join(", ")),
  };
  pages.needRoom(3 * 5);
  for (const QString& line : lines) {
    pages.text(pages.box(0, pages.top(), pages.width(), 4.5), line, 8);
    pages.moveDown(5);
  }
}

}  // namespace

void drawTeamTables(ReportPages& pages, const TeamFigures& t) {
  // A team's part starts on a new page unless all of it fits here.
  int lines = 1;
  for (const PersonFigures& p : t.persons) lines += p.listed();
  pages.needRoom(lines * 5.5 + kSaveMapHeightMm + 45);
  pages.heading(qs(t.name) + " 選手");
  drawPlayerTable(pages, t);
  pages.moveDown(3);
  drawGoalkeeper(pages, t);
  drawOtherCounts(pages, t);
  pages.moveDown(6);
}
