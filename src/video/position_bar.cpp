#include "position_bar.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 6;     // room for the position's handle at both ends
constexpr int kMarkReach = 4;  // how near a mark the mouse must rest, in pixels
constexpr int kGrooveHeight = 6;

}  // namespace

PositionBar::PositionBar(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void PositionBar::setDuration(double seconds) {
  duration_ = std::max(0.0, seconds);
  update();
}

void PositionBar::setPosition(double seconds) {
  if (seconds == position_) return;
  position_ = seconds;
  update();
}

void PositionBar::setMarks(std::vector<PositionMark> marks) {
  marks_ = std::move(marks);
  update();
}

double PositionBar::secondsAt(int x) const {
  const int width = std::max(1, this->width() - 2 * kMargin);
  return std::clamp(double(x - kMargin) / width, 0.0, 1.0) * duration_;
}

int PositionBar::xOf(double seconds) const {
  if (duration_ <= 0) return kMargin;
  const double share = std::clamp(seconds / duration_, 0.0, 1.0);
  return kMargin + int(std::lround(share * (width() - 2 * kMargin)));
}

int PositionBar::markAt(int x) const {
  int nearest = -1;
  int best = kMarkReach + 1;
  for (size_t i = 0; i < marks_.size(); ++i) {
    const int distance = std::abs(xOf(marks_[i].seconds) - x);
    if (distance < best) {
      best = distance;
      nearest = int(i);
    }
  }
  return nearest;
}

QSize PositionBar::sizeHint() const {
  return {400, 24};
}

QSize PositionBar::minimumSizeHint() const {
  return {100, 24};
}

void PositionBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int middle = height() / 2;
  const QRect groove(kMargin, middle - kGrooveHeight / 2, width() - 2 * kMargin, kGrooveHeight);
  p.fillRect(groove, palette().color(QPalette::Mid));
  const int now = xOf(position_);
  p.fillRect(QRect(groove.topLeft(), QPoint(now, groove.bottom())),
             palette().color(QPalette::Highlight));
  // Marks above and below the groove, so that the position never hides them.
  for (const PositionMark& mark : marks_) {
    const int x = xOf(mark.seconds);
    p.fillRect(QRect(x - 1, 1, 3, height() - 2), mark.color);
  }
  p.setPen(QPen(palette().color(QPalette::WindowText), 1));
  p.setBrush(palette().color(QPalette::Button));
  p.drawRect(QRect(now - 3, middle - 8, 6, 16));
}

void PositionBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || duration_ <= 0) return;
  emit seekRequested(secondsAt(event->position().toPoint().x()));
}

void PositionBar::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || duration_ <= 0) return;
  emit seekRequested(secondsAt(event->position().toPoint().x()));
}

bool PositionBar::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const int mark = markAt(help->pos().x());
  if (mark < 0) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), marks_[mark].tooltip, this);
  }
  return true;
}
