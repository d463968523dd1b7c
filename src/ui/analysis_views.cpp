#include "analysis_views.h"

#include <QMouseEvent>
#include <QPainter>

#include "fonts.h"
#include "score_flow_chart.h"

namespace {

constexpr int kLegendHeight = 18;

QFont pictureFont() {
  return designFont(kPGothic, 11);
}

// What the score flow draws: the goals, the team names and the time-outs.
bool sameFlow(const MatchFigures& a, const MatchFigures& b) {
  if (a.scoreFlow != b.scoreFlow) return false;
  for (TeamId team : kBothTeams) {
    const TeamFigures& x = a.team(team);
    const TeamFigures& y = b.team(team);
    if (x.name != y.name || x.goals != y.goals || x.timeOuts != y.timeOuts) return false;
  }
  return true;
}

// The court picture's shape, as large as `room` allows, centred across it.
QRectF courtIn(const QRectF& room) {
  const double scale =
      std::min(room.width() / kCourtPictureWidth, room.height() / kCourtPictureHeight);
  const QSizeF size(kCourtPictureWidth * scale, kCourtPictureHeight * scale);
  return {QPointF(room.left() + (room.width() - size.width()) / 2, room.top()), size};
}

}  // namespace

ShotChartView::ShotChartView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ShotChartView::setMarks(std::vector<ShotMark> marks) {
  if (marks == marks_) return;
  marks_ = std::move(marks);
  update();
}

QRectF ShotChartView::courtRect() const {
  return courtIn(QRectF(0, 0, width(), height() - kLegendHeight));
}

void ShotChartView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF court = courtRect();
  drawShotChart(p, court, marks_);
  const double r = kMarkRadius * court.width() / kCourtPictureWidth;
  drawMarkLegend(p, QPointF(court.left() + 2, court.bottom() + kLegendHeight / 2.0), r,
                 pictureFont());
}

std::optional<ShotMark> ShotChartView::markAt(QPointF point) const {
  const QRectF court = courtRect();
  const double scale = court.width() / kCourtPictureWidth;
  // A little more than the mark, so a quick click on its edge counts.
  const double reach = (kMarkRadius + 1.5) * scale;
  for (auto m = marks_.rbegin(); m != marks_.rend(); ++m) {
    const QPointF centre(court.left() + m->at.x * scale, court.top() + m->at.y * scale);
    const QPointF d = point - centre;
    if (QPointF::dotProduct(d, d) <= reach * reach) return *m;
  }
  return std::nullopt;
}

void ShotChartView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton)
    if (const std::optional<ShotMark> mark = markAt(event->position())) {
      emit markClicked(mark->event);
      return;
    }
  QWidget::mousePressEvent(event);
}

PlaceCountView::PlaceCountView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlaceCountView::setCounts(const Counts& counts) {
  if (counts == counts_) return;
  counts_ = counts;
  update();
}

void PlaceCountView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  drawPlaceCounts(p, courtIn(rect()), counts_);
}

GoalMapView::GoalMapView(QWidget* parent) : QWidget(parent) {}

void GoalMapView::setCells(const GoalCells& cells) {
  if (cells == cells_) return;
  cells_ = cells;
  update();
}

void GoalMapView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // A little in from the edges, so that the goal's heavy frame shows whole.
  drawGoalMap(p, QRectF(rect()).adjusted(2, 2, -2, -2), cells_, pictureFont());
}

ScoreFlowView::ScoreFlowView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScoreFlowView::setFlow(const MatchFigures& figures, int lastSecond,
                            const ScoreFlowAxis& axis) {
  if (lastSecond == lastSecond_ && axis == axis_ && sameFlow(figures, figures_)) return;
  figures_ = figures;
  lastSecond_ = lastSecond;
  axis_ = axis;
  update();
}

void ScoreFlowView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  // The minutes' caption sits half a line below the chart's box.
  const QFont font = pictureFont();
  const double below = QFontMetricsF(font).height() / 2 + 2;
  drawScoreFlow(p, QRectF(rect()).adjusted(2, 2, -4, -below), figures_, lastSecond_, axis_, font,
                true);
}
