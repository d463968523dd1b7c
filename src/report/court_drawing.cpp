#include "court_drawing.h"

#include <QPainterPath>
#include <algorithm>

#include "goalkeeper.h"

namespace {

void drawMark(QPainter& p, QPointF c, double r, bool goal) {
  if (goal) {
    p.setPen(QPen(Qt::white, r * 0.3));
    p.setBrush(Qt::black);
    p.drawEllipse(c, r, r);
    return;
  }
  p.setBrush(Qt::NoBrush);
  const double d = r * 0.8;
  p.setPen(QPen(Qt::white, r * 0.75, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
  p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
  p.setPen(QPen(Qt::black, r * 0.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
  p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
}

QColor shadeOf(std::optional<double> rate) {
  if (!rate) return Qt::white;
  const int level = 255 - static_cast<int>(*rate * 110);
  return {level, level, level};
}

}  // namespace

QImage courtPicture() {
  static const QImage picture(":/report/court.bmp");
  return picture;
}

void drawShotChart(QPainter& p, const QRectF& target, const std::vector<ShotMark>& marks) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.drawImage(target, courtPicture());
  const double scale = target.width() / kCourtPictureWidth;
  auto at = [&](CourtPoint c) { return target.topLeft() + QPointF(c.x * scale, c.y * scale); };
  const CourtRect box = placeBounds(place::kPenaltyThrow);
  p.setPen(QPen(Qt::black, scale * 0.8, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(at({box.left, box.top}), at({box.right, box.bottom})));
  for (const ShotMark& m : marks) drawMark(p, at(m.at), kMarkRadius * scale, m.goal);
  p.restore();
}

void drawPlaceCounts(QPainter& p, const QRectF& target,
                     const std::array<int32_t, kCourtPlaces + 1>& counts) {
  // Discs of 11 pixels of the picture: the centre post's and the 7 m box's
  // anchors, the closest pair, are 24 apart.
  constexpr double kDiscRadius = 11;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.drawImage(target, courtPicture());
  const double scale = target.width() / kCourtPictureWidth;
  const double r = kDiscRadius * scale;
  QFont font = p.font();
  font.setBold(true);
  for (int place = 1; place <= kCourtPlaces; ++place) {
    const CourtPoint a = placeAnchor(place);
    const QPointF c = target.topLeft() + QPointF(a.x * scale, a.y * scale);
    const bool some = counts[place] > 0;
    p.setPen(QPen(some ? Qt::black : Qt::gray, r * 0.12));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    if (!some) continue;
    // Smaller for a count too wide for the disc, so it stays inside.
    const QString text = QString::number(counts[place]);
    font.setPixelSize(std::max(1, static_cast<int>(r * 1.3)));
    const double wide = QFontMetricsF(font, p.device()).horizontalAdvance(text);
    if (wide > 1.6 * r) font.setPixelSize(std::max(1, static_cast<int>(r * 1.3 * 1.6 * r / wide)));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter, text);
  }
  p.restore();
}

void drawMarkLegend(QPainter& p, QPointF at, double r, const QFont& font) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(font);
  const QFontMetricsF metrics(font, p.device());
  double x = at.x();
  for (const bool goal : {true, false}) {
    drawMark(p, QPointF(x + r, at.y()), r, goal);
    x += 2.5 * r;
    const QString word = goal ? "得点" : "ミス";
    p.setPen(Qt::black);
    p.drawText(QPointF(x, at.y() + metrics.ascent() / 2 - metrics.descent() / 2), word);
    x += metrics.horizontalAdvance(word) + 3 * r;
  }
  p.restore();
}

void drawGoalMap(QPainter& p, const QRectF& target, const GoalCells& cells, const QFont& font) {
  p.save();
  p.setFont(font);
  // Five columns: outside left, the goal's three, outside right.
  const double col = target.width() / 5, row = target.height() / 3;
  auto cellRect = [&](int zone) {
    if (zone == 1) return QRectF(target.left(), target.top(), col, 3 * row);
    if (zone == kGoalZones) return QRectF(target.left() + 4 * col, target.top(), col, 3 * row);
    const int c = (zone - 2) / 3, r = (zone - 2) % 3;
    return QRectF(target.left() + (1 + c) * col, target.top() + r * row, col, row);
  };
  const double thin = target.width() / 400;
  for (int zone = 1; zone <= kGoalZones; ++zone) {
    const QRectF r = cellRect(zone);
    const bool inside = onTarget(zone);
    p.fillRect(r, shadeOf(cells[zone].shade));
    p.setPen(QPen(Qt::black, thin, inside ? Qt::SolidLine : Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.setPen(Qt::black);
    const QRectF upper(r.left(), r.center().y() - row * 0.45, r.width(), row * 0.45);
    const QRectF lower(r.left(), r.center().y(), r.width(), row * 0.45);
    p.drawText(upper, Qt::AlignCenter, cells[zone].count);
    p.drawText(lower, Qt::AlignCenter, cells[zone].rate);
    if (!cells[zone].caption.isEmpty())
      p.drawText(upper.translated(0, -row * 0.5), Qt::AlignCenter, cells[zone].caption);
  }
  // The goal's frame, drawn heavy over the cells' edges.
  p.setPen(QPen(Qt::black, thin * 5));
  p.drawRect(QRectF(target.left() + col, target.top(), 3 * col, 3 * row));
  p.restore();
}

GoalCells zoneCells(const std::array<ShotCount, kGoalZones + 1>& byZone) {
  GoalCells cells;
  for (int zone = 1; zone <= kGoalZones; ++zone) {
    const ShotCount& c = byZone[zone];
    cells[zone] = {QString::fromStdString(goalsOverShots(c)),
                   QString::fromStdString(percentText(c.rate())),
                   c.rate(),
                   {}};
  }
  return cells;
}

GoalCells saveCells(const GoalkeeperFigures& g) {
  GoalCells cells;
  for (int zone = 2; zone < kGoalZones; ++zone) {
    const SaveCount& c = g.byZone[zone];
    cells[zone] = {QString("%1/%2").arg(c.saves).arg(c.onTarget),
                   QString::fromStdString(percentText(c.rate())),
                   c.rate(),
                   {}};
  }
  const SaveCount& c = g.zoneNotKnown;
  cells[kGoalZones] = {QString("%1/%2").arg(c.saves).arg(c.onTarget),
                       QString::fromStdString(percentText(c.rate())), c.rate(),
                       QString::fromUtf8(kZoneNotKnownWord.data(),
                                         static_cast<qsizetype>(kZoneNotKnownWord.size()))};
  return cells;
}
