// The splash window: title, makers and emblem, gone at the first click or
// key.
#pragma once

#include "recorder_window.h"
#include "ui_splash_window.h"

class SplashWindow : public RecorderWindow {
  Q_OBJECT

 public:
  explicit SplashWindow(Screen& screen);

  void refresh() override {}
  void dismiss();  // a click anywhere on it, or a key

  Ui::SplashWindow ui;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};
