#include "trend_chart.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace {

constexpr std::array<Qt::PenStyle, kTrendRates> kStyles = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                           Qt::DashDotLine};

// Disc, square, triangle, cross: told apart without colour.
void drawMark(QPainter& p, QPointF at, double r, int rate) {
  switch (rate) {
    case 0:
      p.drawEllipse(at, r, r);
      break;
    case 1:
      p.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
      break;
    case 2: {
      QPainterPath path(QPointF(at.x(), at.y() - r));
      path.lineTo(at.x() + r, at.y() + r);
      path.lineTo(at.x() - r, at.y() + r);
      path.closeSubpath();
      p.drawPath(path);
      break;
    }
    default:
      p.drawLine(at + QPointF(-r, -r), at + QPointF(r, r));
      p.drawLine(at + QPointF(-r, r), at + QPointF(r, -r));
  }
}

}  // namespace

void drawTrendChart(QPainter& p, const QRectF& target, const std::vector<TrendPoint>& trend,
                    const QFont& font) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(font);
  const QFontMetricsF metrics(font, p.device());
  const double line = metrics.height();
  const double labelWidth = metrics.horizontalAdvance("100%") + line * 0.4;
  const QRectF plot(target.left() + labelWidth, target.top() + line * 0.5,
                    target.width() - labelWidth - line * 0.5, target.height() - line * 3.2);
  const double thin = std::max(1.0, line / 16);
  p.setPen(QPen(Qt::lightGray, thin));
  for (int percent = 0; percent <= 100; percent += 25) {
    const double y = plot.bottom() - plot.height() * percent / 100;
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    p.setPen(Qt::black);
    p.drawText(QRectF(target.left(), y - line / 2, labelWidth - line * 0.3, line),
               Qt::AlignRight | Qt::AlignVCenter, QString("%1%").arg(percent));
    p.setPen(QPen(Qt::lightGray, thin));
  }
  const int n = static_cast<int>(trend.size());
  auto xOf = [&](int i) {
    return n <= 1 ? plot.center().x() : plot.left() + plot.width() * i / (n - 1);
  };
  p.setPen(Qt::black);
  const int labelEvery =
      std::max(1, static_cast<int>(n * line * 2.2 / std::max(1.0, plot.width())));
  for (int i = 0; i < n; i += labelEvery)
    p.drawText(QRectF(xOf(i) - line * 2, plot.bottom() + line * 0.2, line * 4, line),
               Qt::AlignHCenter | Qt::AlignTop, QString::number(i + 1));
  p.drawRect(plot);
  const double r = line * 0.22;
  for (int rate = 0; rate < kTrendRates; ++rate) {
    QPen pen(Qt::black, thin * 1.6, kStyles[rate]);
    p.setPen(pen);
    p.setBrush(rate == 0 ? QBrush(Qt::black) : QBrush(Qt::white));
    std::optional<QPointF> last;
    for (int i = 0; i < n; ++i) {
      if (!trend[i][rate]) {
        last.reset();
        continue;
      }
      const QPointF at(xOf(i), plot.bottom() - plot.height() * *trend[i][rate]);
      if (last) p.drawLine(*last, at);
      last = at;
    }
    p.setPen(QPen(Qt::black, thin * 1.6));
    for (int i = 0; i < n; ++i)
      if (trend[i][rate])
        drawMark(p, QPointF(xOf(i), plot.bottom() - plot.height() * *trend[i][rate]), r, rate);
  }
  // The legend under the axis, a line sample and a mark before each word.
  double x = plot.left();
  const double y = plot.bottom() + line * 1.8;
  for (int rate = 0; rate < kTrendRates; ++rate) {
    p.setPen(QPen(Qt::black, thin * 1.6, kStyles[rate]));
    p.drawLine(QPointF(x, y), QPointF(x + line * 1.6, y));
    p.setPen(QPen(Qt::black, thin * 1.6));
    p.setBrush(rate == 0 ? QBrush(Qt::black) : QBrush(Qt::white));
    drawMark(p, QPointF(x + line * 0.8, y), r, rate);
    const QString word = QString::fromUtf8(kTrendRateWords[rate]);
    p.drawText(QRectF(x + line * 1.9, y - line / 2, metrics.horizontalAdvance(word) + line, line),
               Qt::AlignLeft | Qt::AlignVCenter, word);
    x += line * 2.6 + metrics.horizontalAdvance(word);
  }
  p.restore();
}
