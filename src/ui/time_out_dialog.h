// The score-situation dialog: how the score stood when a time-out was taken.
#pragma once

#include "detail_dialog.h"
#include "ui_time_out_dialog.h"

class TimeOutDialog : public DetailDialog {
  Q_OBJECT

 public:
  explicit TimeOutDialog(Screen& screen);
  Ui::TimeOutDialog ui;
};
