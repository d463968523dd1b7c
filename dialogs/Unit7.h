// The score-situation dialog: how the score stood when a time-out was taken.
#pragma once

#include "detail_form.h"
#include "ui_Unit7.h"

class TForm7 : public DetailForm {
  Q_OBJECT

 public:
  explicit TForm7(MatchModel& model);
  Ui::TForm7 ui;
};

extern TForm7* Form7;
