// The score flow as drawn: time-outs early in the match keep off the legend;
// the time axis follows the match's length, with a line at each period's end.
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
      drawScoreFlow(p, QRectF(QPoint(), size), *f, 20 * 60, ScoreFlowAxis(), QFont(), true);
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

TEST(ScoreFlowChart, TheTimeAxisRunsOverThePeriodsPlayed) {
  // Two halves of 20 minutes fill the chart, the half's end marked.
  const Periods youth{20, true};
  EXPECT_EQ(scoreFlowAxis(youth, 1, 300), (ScoreFlowAxis{2400, {1200, 2400}, {0, 10, 20, 30, 40}}));
  // Halves of 25: the half's end labelled between the tens.
  EXPECT_EQ(scoreFlowAxis(Periods{25, false}, 2, 3000),
            (ScoreFlowAxis{3000, {1500, 3000}, {0, 10, 20, 25, 30, 40, 50}}));
  // Overtime only once played: the clock in its first period, or an event in it.
  EXPECT_EQ(scoreFlowAxis(youth, 3, 2400).periodEnds,
            (std::vector<int>{1200, 2400, 2700}));
  EXPECT_EQ(scoreFlowAxis(youth, 2, 2401).labels, (std::vector<int>{0, 10, 20, 30, 40, 45}));
  // Both overtimes: six periods.
  const ScoreFlowAxis full = scoreFlowAxis(Periods{30, true}, 6, 4000);
  EXPECT_EQ(full.seconds, 80 * 60);
  EXPECT_EQ(full.periodEnds, (std::vector<int>{1800, 3600, 3900, 4200, 4500, 4800}));
  EXPECT_EQ(full.labels, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 65, 70, 75, 80}));
  // An event past the last period's end (a clock set by hand) still shows.
  EXPECT_EQ(scoreFlowAxis(Periods{30, false}, 2, 3700).seconds, 3700);
}
