// The video's length as a bar: where the video is, the events marked on it,
// a click or a drag to seek, a mark's words when the mouse rests on it.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

struct PositionMark {
  double seconds = 0;
  QColor color;
  QString tooltip;
};

class PositionBar : public QWidget {
  Q_OBJECT

 public:
  explicit PositionBar(QWidget* parent = nullptr);

  void setDuration(double seconds);
  void setPosition(double seconds);
  void setMarks(std::vector<PositionMark> marks);
  double duration() const { return duration_; }
  double position() const { return position_; }

  // The time under x, and the x of a time, inside the bar's margins.
  double secondsAt(int x) const;
  int xOf(double seconds) const;
  // The mark nearest x within a few pixels, or -1.
  int markAt(int x) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void seekRequested(double seconds);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  double duration_ = 0;
  double position_ = 0;
  std::vector<PositionMark> marks_;
};
