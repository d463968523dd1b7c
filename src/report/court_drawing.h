// The pictures of the analysis drawn with any QPainter (the report's pages
// or a window): the shot chart on the court picture, and maps of the goal
// with a figure in each zone. Marks differ by shape, so the pictures read
// the same printed in black and white: a goal is a filled disc, a miss a
// cross.
#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "figures.h"
#include "shot_chart.h"

// resources/court.bmp, 500 x 442.
QImage courtPicture();

// The court picture scaled into `target` (which should have its shape),
// the 7 m throws' box outlined, and one mark per shot.
void drawShotChart(QPainter& p, const QRectF& target, const std::vector<ShotMark>& marks);
// The court picture scaled into `target` with a count in a disc at each
// place's anchor ([1..10]; [0] unused), for counts that have no position of
// their own within a place, such as lost possessions. A place with none
// shows an empty grey disc, so that the eye goes to the places that count.
void drawPlaceCounts(QPainter& p, const QRectF& target,
                     const std::array<int32_t, kCourtPlaces + 1>& counts);
// One goal's mark and one miss's with their words, from `at` to the right.
void drawMarkLegend(QPainter& p, QPointF at, double markRadius, const QFont& font);

// What one zone of a goal map shows: two lines of text, and a shade from
// white (rate 0) to mid grey (rate 1) when there is a rate; a cell outside
// the goal may carry a caption above them.
struct GoalCell {
  QString count;
  QString rate;
  std::optional<double> shade;
  QString caption;
  bool operator==(const GoalCell&) const = default;
};
using GoalCells = std::array<GoalCell, kGoalZones + 1>;  // by zone, [0] unused

// The goal as 3 x 3 zones with outside left and right beside it.
void drawGoalMap(QPainter& p, const QRectF& target, const GoalCells& cells, const QFont& font);
// Goals over shots and the success rate per zone.
GoalCells zoneCells(const std::array<ShotCount, kGoalZones + 1>& byZone);
// Saves over shots on target and the save rate per zone of the goal. The
// shots on target clicked outside left or right, whose zone is not known,
// show outside right under 「位置不明」; outside left stays empty.
GoalCells saveCells(const GoalkeeperFigures& g);
