// The penalty-throw dialog: why a penalty throw was given.
#pragma once

#include "detail_dialog.h"
#include "ui_penalty_throw_dialog.h"

class PenaltyThrowDialog : public DetailDialog {
  Q_OBJECT

 public:
  explicit PenaltyThrowDialog(Screen& screen);
  Ui::PenaltyThrowDialog ui;
};
