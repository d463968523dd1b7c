// The score flow as drawn: a time-out's mark and "TO" keep off the legend
// wherever the time-out falls, at the analysis window's size and larger.
#include "score_flow_chart.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

namespace {

QImage drawn(const MatchFigures& f, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  drawScoreFlow(p, QRectF(QPointF(2, 2), QSizeF(size) - QSizeF(6, 12)), f, 20 * 60, QFont(), true);
  return image;
}

TEST(ScoreFlowChart, ATimeOutEarlyInTheMatchIsMarkedClearOfTheLegend) {
  MatchFigures plain;
  plain.teams[0].name = "東高校";
  plain.teams[1].name = "西高校";
  plain.scoreFlow = {{60, 1}, {200, 2}};
  MatchFigures marked = plain;
  marked.teams[0].timeOuts = {{10}, {600}};
  marked.teams[1].timeOuts = {{45}};
  for (const QSize size : {QSize(560, 250), QSize(1200, 520)}) {
    QImage without = drawn(plain, size);
    const QImage with = drawn(marked, size);
    const QRect legend = scoreFlowLegend(QRectF(QPointF(2, 2), QSizeF(size) - QSizeF(6, 12)),
                                         marked, QFont(), &without)
                             .toAlignedRect();
    int changedOnLegend = 0, changedBelowIt = 0;
    for (int y = 0; y < size.height(); ++y)
      for (int x = legend.left(); x <= legend.right(); ++x) {
        if (without.pixel(x, y) == with.pixel(x, y)) continue;
        changedOnLegend += y >= legend.top() && y <= legend.bottom();
        changedBelowIt += y > legend.bottom();
      }
    EXPECT_EQ(changedOnLegend, 0) << size.width();
    EXPECT_GT(changedBelowIt, 0) << size.width();  // the early time-outs are marked all the same
  }
}

}  // namespace
