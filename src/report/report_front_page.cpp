// The front page: what a reader wants at a glance.
#include <QFontMetricsF>
#include <algorithm>

#include "court_drawing.h"
#include "match_clock.h"
#include "report_sections.h"
#include "score_flow_chart.h"

namespace {

constexpr double kColumnGapMm = 4;
constexpr double kFlowChartMm = 45;
constexpr double kGoalMapMm = 26;

int lastEventSecond(const Match& m) {
  int last = 0;
  for (const Event& e : m.events()) last = std::max(last, e.clockSeconds);
  return last;
}

// "01:00 1-0   03:30 2-0 ...", wrapped across the page between goals.
void drawFlowList(ReportPages& pages, const MatchFigures& f) {
  QStringList items;
  for (const ScorePoint& p : f.scoreFlow)
    items << qs(clockText(p.clockSeconds)) + QChar(0x00A0) + qs(scoreText(p.score));
  if (items.isEmpty()) items << "得点なし";
  QPainter& p = pages.painter();
  p.setFont(pages.font(7));
  const QRectF room = pages.box(0, pages.top(), pages.width(), pages.room());
  const QRectF used = p.boundingRect(room, Qt::TextWordWrap, items.join("   "));
  p.setPen(Qt::black);
  p.drawText(room, Qt::TextWordWrap, items.join("   "));
  pages.moveDown(used.height() / pages.units(1) + 2);
}

// Each half a row: the score at its end and each team's goals over shots.
void drawHalves(ReportPages& pages, const MatchFigures& f) {
  constexpr double kHalfMm = 20, kScoreMm = 18, kTeamMm = 40;
  pages.needRoom(4 + (1 + f.halves.size()) * 5.4);
  pages.text(pages.box(0, pages.top(), pages.width(), 4), "前後半 (スコア, 得点/シュート)", 7);
  pages.moveDown(4);
  // A long team name is cut short rather than run into the next column.
  QPainter& p = pages.painter();
  p.setFont(pages.font(8, true));
  std::vector<TableColumn> columns = {{"", kHalfMm}, {"スコア", kScoreMm, Qt::AlignRight}};
  for (TeamId team : kBothTeams)
    columns.push_back({p.fontMetrics().elidedText(qs(f.team(team).name), Qt::ElideRight,
                                                  static_cast<int>(pages.units(kTeamMm - 4))),
                       kTeamMm, Qt::AlignRight});
  std::vector<TableRow> rows;
  for (const HalfFigures& h : f.halves) {
    TableRow row{{qs(kPeriodWords[h.period]), qs(scoreText(h.score))}};
    for (TeamId team : kBothTeams) row.cells.push_back(qs(goalsOverShots(h.team(team))));
    rows.push_back(row);
  }
  drawTable(pages, columns, rows);
}

// A team's column: its shot chart, legend, goal-zone map and places.
void drawTeamColumn(ReportPages& pages, const Match& m, const TeamFigures& t, double left,
                    double width) {
  QPainter& p = pages.painter();
  double y = pages.top();
  pages.text(pages.box(left, y, width, 6), qs(t.name), 11, Qt::AlignLeft, true);
  y += 6;
  const double courtHeight = width * kCourtPictureHeight / kCourtPictureWidth;
  const QRectF court = pages.box(left, y, width, courtHeight);
  drawShotChart(p, court, shotChart(m, t.team));
  y += courtHeight + 1;
  const double legendR = pages.units(1);
  drawMarkLegend(p, QPointF(pages.units(left), pages.units(y + 2)), legendR, pages.font(7));
  pages.text(pages.box(left, y, width, 4),
             QString("シュート %1  得点 %2  成功率 %3  (7m %4)")
                 .arg(t.shots.total.shots)
                 .arg(t.shots.total.goals)
                 .arg(qs(percentText(t.shots.total.rate())))
                 .arg(qs(goalsOverShots(t.shots.penalty()))),
             7, Qt::AlignRight);
  y += 5;
  pages.text(pages.box(left, y, width, 4), "ゴールゾーン (得点/シュート, 成功率)", 7);
  y += 4;
  drawGoalMap(p, pages.box(left, y, width, kGoalMapMm), zoneCells(t.shots.byZone), pages.font(7));
  y += kGoalMapMm + 1;
  pages.text(pages.box(left, y, width, 4),
             "7m: " + qs(goalsOverShots(t.shots.penalty())) + "  " +
                 qs(percentText(t.shots.penalty().rate())),
             7);
  y += 5;
  // The places in two columns of five.
  const double half = width / 2;
  for (int place = 1; place <= kCourtPlaces; ++place) {
    const int col = (place - 1) / 5, row = (place - 1) % 5;
    const ShotCount& c = t.shots.byPlace[place];
    const double x = left + col * half, rowY = y + row * 3.6;
    pages.text(pages.box(x, rowY, half * 0.45, 3.6), qs(kPlaceWords[place]), 7);
    pages.text(pages.box(x + half * 0.45, rowY, half * 0.25, 3.6), qs(goalsOverShots(c)), 7,
               Qt::AlignRight);
    pages.text(pages.box(x + half * 0.7, rowY, half * 0.25, 3.6), qs(percentText(c.rate())), 7,
               Qt::AlignRight);
  }
}

double teamColumnHeight(double width) {
  return 6 + width * kCourtPictureHeight / kCourtPictureWidth + 1 + 5 + 4 + kGoalMapMm + 1 + 5 +
         5 * 3.6;
}

}  // namespace

void drawFrontPage(ReportPages& pages, const Match& m, const MatchFigures& f, const QString& date) {
  const TeamFigures& t1 = f.team(TeamId::One);
  const TeamFigures& t2 = f.team(TeamId::Two);
  pages.text(pages.box(0, 0, pages.width() * 0.42, 10), qs(t1.name), 16, Qt::AlignRight, true);
  pages.text(pages.box(pages.width() * 0.42, 0, pages.width() * 0.16, 10),
             QString("%1 - %2").arg(t1.goals).arg(t2.goals), 18, Qt::AlignCenter, true);
  pages.text(pages.box(pages.width() * 0.58, 0, pages.width() * 0.42, 10), qs(t2.name), 16,
             Qt::AlignLeft, true);
  pages.moveDown(11);
  pages.text(pages.box(0, pages.top(), pages.width(), 5), qs(shootOutText(f.shootOut)), 9,
             Qt::AlignCenter, true);
  pages.text(pages.box(0, pages.top(), pages.width(), 5), qs(m.fileStem), 9);
  pages.text(pages.box(0, pages.top(), pages.width(), 5), date, 9, Qt::AlignRight);
  pages.moveDown(7);

  pages.heading("得点経過", 10);
  const int last = lastEventSecond(m);
  drawScoreFlow(pages.painter(), pages.box(0, pages.top(), pages.width(), kFlowChartMm), f, last,
                scoreFlowAxis(m.settings().periods, m.clock().period(), last), pages.font(7));
  pages.moveDown(kFlowChartMm + 1);
  drawFlowList(pages, f);
  drawHalves(pages, f);
  pages.moveDown(3);

  const double width = (pages.width() - kColumnGapMm) / 2;
  pages.needRoom(teamColumnHeight(width));
  drawTeamColumn(pages, m, t1, 0, width);
  drawTeamColumn(pages, m, t2, width + kColumnGapMm, width);
  pages.moveDown(teamColumnHeight(width));
}
