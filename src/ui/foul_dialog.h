// The foul dialog: the sanction, counted on the team sheet too.
#pragma once

#include "detail_dialog.h"
#include "ui_foul_dialog.h"

class FoulDialog : public DetailDialog {
  Q_OBJECT

 public:
  explicit FoulDialog(Screen& screen);
  Ui::FoulDialog ui;
};
