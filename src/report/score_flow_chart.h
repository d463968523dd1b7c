// The score flow as a chart: each team's goals over the time of play, as
// steps up at each goal. Team 1 solid with filled discs, team 2 dashed with
// open squares, so the lines part in black and white. Time-outs, when
// marked, are grey upright lines in their team's line style, topped by the
// team's mark and "TO".
#pragma once

#include <QFont>
#include <QPainter>

#include "figures.h"

// `lastSecond`: the time of the last event, where the lines end.
// The legend's box, top left in the chart: the time-outs' marks keep out of it.
void drawScoreFlow(QPainter& p, const QRectF& target, const MatchFigures& f, int lastSecond,
                   const QFont& font, bool markTimeOuts = false);
QRectF scoreFlowLegend(const QRectF& target, const MatchFigures& f, const QFont& font,
                       QPaintDevice* device);
