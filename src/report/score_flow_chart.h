// The score flow as a chart: each team's goals over the time of play, as
// steps up at each goal. Team 1 solid with filled discs, team 2 dashed with
// open squares, so the lines part in black and white. Time-outs, when
// marked, are grey upright lines in their team's line style, topped by the
// team's mark and "TO". The time axis runs over the periods played, two
// halves at least, with a line at each period's end.
#pragma once

#include <QFont>
#include <QPainter>
#include <vector>

#include "figures.h"
#include "periods.h"

// Where the time axis goes: from 0 to the end of the last period played
// (each half of the match's length, overtime periods of five minutes), or
// on to the last event's time should that lie beyond.
struct ScoreFlowAxis {
  int seconds = 60 * 60;                      // the axis' length
  std::vector<int> periodEnds = {1800, 3600};  // a line at each, in seconds
  std::vector<int> labels = {0, 10, 20, 30, 40, 50, 60};  // minutes labelled, with grid lines
  bool operator==(const ScoreFlowAxis&) const = default;
};
// `lastPeriod`: the period the clock is in, or ended last (1 = first half).
ScoreFlowAxis scoreFlowAxis(const Periods& periods, int lastPeriod, int lastSecond);

// `lastSecond`: the time of the last event, where the lines end.
// The legend's box, top left in the chart: the time-outs' marks keep out of it.
void drawScoreFlow(QPainter& p, const QRectF& target, const MatchFigures& f, int lastSecond,
                   const ScoreFlowAxis& axis, const QFont& font, bool markTimeOuts = false);
QRectF scoreFlowLegend(const QRectF& target, const MatchFigures& f, const QFont& font,
                       QPaintDevice* device);
