// A window that a click has just brought forward ignores the second half of
// a double-click: a press that comes within the platform's double-click
// interval of that click and within its drag distance of the same screen
// point. Without this, a quick double-click on "修正" takes a step back and
// then presses whatever button of the window that came forward lies under
// the pointer. Single clicks, and deliberate clicks elsewhere, pass as ever.
#pragma once

#include <QObject>
#include <QPointF>
#include <QSet>

class QWidget;

class PressGuard : public QObject {
 public:
  // Called for each window a step brought forward, right after the step.
  void broughtForward(QWidget* window) { forward_.insert(window); }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The last press that was let through.
  quint64 lastTime_ = 0;
  QPointF lastPoint_;
  bool pressed_ = false;
  // The windows brought forward by the step of that press.
  QSet<QWidget*> forward_;
};
