// The foul dialog: the sanction, counted on the team sheet too.
#pragma once

#include "detail_form.h"
#include "ui_Unit6.h"

class TForm6 : public DetailForm {
  Q_OBJECT

 public:
  explicit TForm6(MatchModel& model);
  Ui::TForm6 ui;
};

extern TForm6* Form6;
