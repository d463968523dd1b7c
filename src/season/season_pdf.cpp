// The season's printed report: results and trend first, then the season's
// pictures, then the tables of the team, the players and the goalkeepers.
#include <QBuffer>
#include <QDate>
#include <QGuiApplication>
#include <QPdfWriter>
#include <stdexcept>

#include "court_drawing.h"
#include "replacing_file.h"
#include "report_pages.h"
#include "report_sections.h"
#include "season_report.h"
#include "trend_chart.h"

namespace {

constexpr int kResolution = 600;
constexpr double kTrendChartMm = 60;
constexpr double kGoalMapMm = 30;

QString rateText(std::optional<double> r) {
  return qs(percentText(r));
}

void drawResults(ReportPages& pages, const SeasonFigures& s) {
  const SeasonTeamFigures& t = s.totals;
  pages.text(pages.box(0, pages.top(), pages.width(), 10), qs(s.team) + "  シーズン", 16,
             Qt::AlignLeft, true);
  pages.moveDown(11);
  QString span;
  if (!s.matches.empty())
    span = qs(s.matches.front().file->date()) + " - " + qs(s.matches.back().file->date()) + "  ";
  pages.text(pages.box(0, pages.top(), pages.width(), 5),
             span + QString("%1試合  %2勝 %3分 %4敗  得点 %5  失点 %6")
                        .arg(t.matches)
                        .arg(t.wins)
                        .arg(t.draws)
                        .arg(t.losses)
                        .arg(t.goalsFor)
                        .arg(t.goalsAgainst),
             10);
  pages.moveDown(8);
  pages.heading("試合一覧", 10);
  std::vector<TableRow> rows;
  for (const SeasonMatch& m : s.matches) {
    const TrendPoint p = trendOf(m);
    rows.push_back(
        {{qs(m.file->started.substr(0, 16)), qs(m.opponent), qs(m.scoreText()), qs(resultWord(m)),
          rateText(p[0]), rateText(p[1]), rateText(p[2]), rateText(p[3])}});
  }
  drawTable(pages,
            {{"日時", 30},
             {"相手", 34},
             {"スコア", 26, Qt::AlignRight},
             {"結果", 10, Qt::AlignCenter},
             {"成功率", 18, Qt::AlignRight},
             {"セーブ率", 18, Qt::AlignRight},
             {"7m成功率", 18, Qt::AlignRight},
             {"攻撃効率", 18, Qt::AlignRight}},
            rows);
  pages.moveDown(3);
  pages.needRoom(kTrendChartMm + 8);
  pages.heading("主な率の推移 (試合順)", 10);
  drawTrendChart(pages.painter(), pages.box(0, pages.top(), pages.width(), kTrendChartMm),
                 s.trend(), pages.font(7));
  pages.moveDown(kTrendChartMm + 2);
}

void drawPictures(ReportPages& pages, const SeasonFigures& s) {
  pages.newPage();
  const TeamFigures& t = s.totals.totals;
  pages.heading("シーズンのシュートチャート", 10);
  const double width = pages.width() * 0.7;
  const double height = width * kCourtPictureHeight / kCourtPictureWidth;
  const double left = (pages.width() - width) / 2;
  drawShotChart(pages.painter(), pages.box(left, pages.top(), width, height), s.shotChart);
  pages.moveDown(height + 1);
  drawMarkLegend(pages.painter(), QPointF(pages.units(left), pages.units(pages.top() + 2)),
                 pages.units(1), pages.font(7));
  pages.text(pages.box(left, pages.top(), width, 4),
             QString("シュート %1  得点 %2  成功率 %3  (7m %4)")
                 .arg(t.shots.total.shots)
                 .arg(t.shots.total.goals)
                 .arg(rateText(t.shots.total.rate()))
                 .arg(qs(goalsOverShots(t.shots.penalty()))),
             7, Qt::AlignRight);
  pages.moveDown(6);
  const double half = (pages.width() - 4) / 2;
  pages.needRoom(kGoalMapMm + 6);
  pages.text(pages.box(0, pages.top(), half, 4), "ゴールゾーン (得点/シュート, 成功率)", 7);
  pages.text(pages.box(half + 4, pages.top(), half, 4), "ゴールキーパー (セーブ/枠内, セーブ率)",
             7);
  pages.moveDown(4);
  drawGoalMap(pages.painter(), pages.box(0, pages.top(), half, kGoalMapMm),
              zoneCells(t.shots.byZone), pages.font(7));
  drawGoalMap(pages.painter(), pages.box(half + 4, pages.top(), half, kGoalMapMm),
              saveCells(t.goalkeeper), pages.font(7));
  pages.moveDown(kGoalMapMm + 4);
  pages.needRoom(45);
  pages.heading("保持ミスの場所", 10);
  const double placesWidth = pages.width() * 0.45;
  const double placesHeight = placesWidth * kCourtPictureHeight / kCourtPictureWidth;
  drawPlaceCounts(pages.painter(), pages.box(0, pages.top(), placesWidth, placesHeight),
                  s.totals.lostAndPenalties.lostByPlace);
  pages.moveDown(placesHeight + 3);
}

void drawTeamTable(ReportPages& pages, const SeasonFigures& s) {
  pages.newPage();
  pages.heading("チーム (合計と1試合平均)", 10);
  const SeasonTeamFigures& t = s.totals;
  const int n = t.matches;
  auto avg = [&](double total) {
    const auto a = perMatch(total, n);
    return a ? QString::number(*a, 'f', 1) : QString("-");
  };
  std::vector<TableRow> rows;
  for (const FigureLine& l : teamFigureLines(t))
    rows.push_back({{qs(l.caption), QString::number(l.total), l.averaged ? avg(l.total) : "",
                     rateText(l.rate)}});
  drawTable(pages,
            {{"項目", 40},
             {"合計", 22, Qt::AlignRight},
             {"1試合平均", 22, Qt::AlignRight},
             {"率", 22, Qt::AlignRight}},
            rows);
  pages.moveDown(3);
  pages.heading("連盟形式", 10);
  rows.clear();
  for (int g = 0; g < kFederationGroups; ++g)
    rows.push_back(
        {{qs(kFederationGroupWords[g]), qs(goalsOverShots(t.federation.shots[g])),
          rateText(t.federation.shots[g].rate()),
          QString("%1/%2").arg(t.federation.saves[g].saves).arg(t.federation.saves[g].onTarget),
          rateText(t.federation.saves[g].rate())}});
  drawTable(pages,
            {{"区分", 30},
             {"得点/シュート", 28, Qt::AlignRight},
             {"成功率", 20, Qt::AlignRight},
             {"セーブ/枠内", 28, Qt::AlignRight},
             {"セーブ率", 20, Qt::AlignRight}},
            rows);
  pages.moveDown(3);
  pages.heading("数的状況", 10);
  rows.clear();
  for (int i = 0; i < kSituations; ++i) {
    const SituationFigures& f = t.situations[i];
    rows.push_back({{qs(kSituationNames[i]), qs(goalsOverShots(f.shots)), rateText(f.shots.rate()),
                     QString::number(f.lost), rateText(f.efficiency())}});
  }
  drawTable(pages,
            {{"状況", 30},
             {"得点/シュート", 28, Qt::AlignRight},
             {"成功率", 20, Qt::AlignRight},
             {"保持ミス", 20, Qt::AlignRight},
             {"攻撃効率", 20, Qt::AlignRight}},
            rows);
}

void drawPlayerTables(ReportPages& pages, const SeasonFigures& s) {
  pages.moveDown(3);
  pages.heading("選手", 10);
  std::vector<TableRow> rows;
  for (const SeasonPlayer& p : s.players) {
    const PersonFigures& f = p.totals;
    const auto goals = perMatch(f.shots.total.goals, p.matches());
    rows.push_back({{qs(p.number), qs(p.person), QString::number(p.matches()),
                     qs(goalsOverShots(f.shots.total)), rateText(f.shots.total.rate()),
                     goals ? QString::number(*goals, 'f', 1) : QString("-"),
                     qs(goalsOverShots(f.shots.penalty())), QString::number(f.assists),
                     QString::number(f.lost), QString::number(f.suspensions)}});
  }
  drawTable(pages,
            {{"No.", 10},
             {"氏名", 38},
             {"試合", 10, Qt::AlignRight},
             {"得点/シュート", 22, Qt::AlignRight},
             {"成功率", 15, Qt::AlignRight},
             {"平均得点", 16, Qt::AlignRight},
             {"7m", 14, Qt::AlignRight},
             {"アシスト", 15, Qt::AlignRight},
             {"保持ミス", 15, Qt::AlignRight},
             {"退場", 10, Qt::AlignRight}},
            rows);
  rows.clear();
  for (const SeasonPlayer& p : s.players) {
    if (!p.totals.keeps()) continue;
    const GoalkeeperFigures& g = p.totals.keeping;
    TableRow row{{qs(p.number), qs(p.person), QString::number(p.matches()),
                  QString("%1/%2").arg(g.total.saves).arg(g.total.onTarget),
                  rateText(g.total.rate())}};
    for (const SaveCount& c : g.byGroup) row.cells.push_back(rateText(c.rate()));
    rows.push_back(row);
  }
  if (rows.empty()) return;
  pages.moveDown(3);
  pages.heading("ゴールキーパー (セーブ率は区分ごと)", 10);
  std::vector<TableColumn> columns = {{"No.", 10},
                                      {"氏名", 38},
                                      {"試合", 10, Qt::AlignRight},
                                      {"セーブ/枠内", 22, Qt::AlignRight},
                                      {"セーブ率", 15, Qt::AlignRight}};
  for (const std::string_view g : kShotGroupWords) columns.push_back({qs(g), 15, Qt::AlignRight});
  drawTable(pages, columns, rows);
}

}  // namespace

std::string seasonReportPdf(const SeasonFigures& s) {
  if (!QGuiApplication::instance())
    throw std::logic_error("the report is drawn with a QGuiApplication alive");
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setTitle(qs(s.team) + " シーズン");
    writer.setCreator("handball");
    ReportPages pages(writer,
                      qs(s.team) + "  シーズン  " + QDate::currentDate().toString("yyyy/MM/dd"));
    drawResults(pages, s);
    drawPictures(pages, s);
    drawTeamTable(pages, s);
    drawPlayerTables(pages, s);
  }
  return buffer.data().toStdString();
}

void writeSeasonReport(const SeasonFigures& s, const std::string& path) {
  const std::string bytes = seasonReportPdf(s);
  ReplacingFile file(path);
  file.write(bytes);
  file.commit();
}
