#include "press_guard.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

bool PressGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
    return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget) return false;
  const auto* press = static_cast<QMouseEvent*>(event);
  const quint64 time = press->timestamp();
  const QPointF point = press->globalPosition();
  if (pressed_ && time == lastTime_ && point == lastPoint_)
    return false;  // the same press, passed on
  const bool secondHalf =
      pressed_ && forward_.contains(widget->window()) &&
      time - lastTime_ < static_cast<quint64>(QApplication::doubleClickInterval()) &&
      (point - lastPoint_).manhattanLength() <= QApplication::startDragDistance();
  if (secondHalf) return true;
  pressed_ = true;
  lastTime_ = time;
  lastPoint_ = point;
  forward_.clear();
  return false;
}
