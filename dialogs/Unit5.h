// The penalty-throw dialog: why a penalty throw was given.
#pragma once

#include "detail_form.h"
#include "ui_Unit5.h"

class TForm5 : public DetailForm {
  Q_OBJECT

 public:
  explicit TForm5(MatchModel& model);
  Ui::TForm5 ui;
};

extern TForm5* Form5;
