// The keep-miss dialog: the kind of a lost possession.
#pragma once

#include "detail_form.h"
#include "ui_Unit4.h"

class TForm4 : public DetailForm {
  Q_OBJECT

 public:
  explicit TForm4(MatchModel& model);
  Ui::TForm4 ui;
};

extern TForm4* Form4;
