// The analysis window's pictures, each a widget that paints with the
// report's drawing functions, so that the window and the printed report
// show the same shot chart, goal maps and score flow. Each repaints only
// when what it shows changes.
#pragma once

#include <QWidget>
#include <optional>
#include <vector>

#include "court_drawing.h"
#include "figures.h"
#include "score_flow_chart.h"
#include "shot_chart.h"

// The court picture with one mark per shot, kept in the picture's shape,
// and the marks' legend below it.
class ShotChartView : public QWidget {
  Q_OBJECT

 public:
  explicit ShotChartView(QWidget* parent = nullptr);
  void setMarks(std::vector<ShotMark> marks);
  const std::vector<ShotMark>& marks() const { return marks_; }
  // Where the court picture is drawn inside the widget.
  QRectF courtRect() const;
  // The mark under a point of the widget, the one drawn last where marks
  // overlap.
  std::optional<ShotMark> markAt(QPointF point) const;

 signals:
  // A click on a mark: its event's index in match.events().
  void markClicked(std::size_t event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::vector<ShotMark> marks_;
};

// The court picture with a count at each place, kept in the picture's shape.
class PlaceCountView : public QWidget {
  Q_OBJECT

 public:
  using Counts = std::array<int32_t, kCourtPlaces + 1>;  // [1..10]
  explicit PlaceCountView(QWidget* parent = nullptr);
  void setCounts(const Counts& counts);
  const Counts& counts() const { return counts_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Counts counts_{};
};

// A goal as 3 x 3 zones with outside left and right, a figure in each.
class GoalMapView : public QWidget {
  Q_OBJECT

 public:
  explicit GoalMapView(QWidget* parent = nullptr);
  void setCells(const GoalCells& cells);
  const GoalCells& cells() const { return cells_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  GoalCells cells_{};
};

// Both teams' goals over the time of play, with the time-outs marked.
class ScoreFlowView : public QWidget {
  Q_OBJECT

 public:
  explicit ScoreFlowView(QWidget* parent = nullptr);
  // `lastSecond`: the time of the last event, where the lines end.
  void setFlow(const MatchFigures& figures, int lastSecond, const ScoreFlowAxis& axis);
  const ScoreFlowAxis& axis() const { return axis_; }
  const std::vector<ScorePoint>& flow() const { return figures_.scoreFlow; }
  const std::vector<TimeOutFigure>& timeOuts(TeamId team) const {
    return figures_.team(team).timeOuts;
  }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  MatchFigures figures_;
  int lastSecond_ = 0;
  ScoreFlowAxis axis_;
};
