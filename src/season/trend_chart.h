// The trend of the season's main rates as a chart: one line per rate over
// the matches in order, from 0 to 100%. The lines differ by dash and mark,
// so they part printed in black and white; a match without a rate leaves a
// gap in that line.
#pragma once

#include <QFont>
#include <QPainter>
#include <vector>

#include "season_figures.h"

void drawTrendChart(QPainter& p, const QRectF& target, const std::vector<TrendPoint>& trend,
                    const QFont& font);
