// The score flow as drawn: time-outs early in the match keep off the legend.
#include "score_flow_chart.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

TEST(ScoreFlowChart, ATimeOutEarlyInTheMatchIsMarkedClearOfTheLegend) {
  MatchFigures plain;
  plain.teams[0].name = "東高校";
  plain.teams[1].name = "西高校";
  plain.scoreFlow = {{60, TeamId::One}, {200, TeamId::Two}};
  MatchFigures marked = plain;
  marked.teams[0].timeOuts = {{10}, {600}};
  marked.teams[1].timeOuts = {{45}};
  // The analysis window's chart at its first size and on a full screen.
  for (const QSize size : {QSize(560, 250), QSize(1200, 520)}) {
    QImage without(size, QImage::Format_RGB32), with(size, QImage::Format_RGB32);
    for (auto [image, f] : {std::pair{&without, &plain}, std::pair{&with, &marked}}) {
      image->fill(Qt::white);
      QPainter p(image);
      drawScoreFlow(p, QRectF(QPoint(), size), *f, 20 * 60, QFont(), true);
    }
    const QRect legend =
        scoreFlowLegend(QRectF(QPoint(), size), marked, QFont(), &with).toAlignedRect();
    int onLegend = 0, belowIt = 0;
    for (int y = 0; y < size.height(); ++y)
      for (int x = legend.left(); x <= legend.right(); ++x)
        if (without.pixel(x, y) != with.pixel(x, y)) ++(y <= legend.bottom() ? onLegend : belowIt);
    EXPECT_EQ(onLegend, 0) << size.width();
    EXPECT_GT(belowIt, 0) << size.width();  // marked all the same
  }
}
