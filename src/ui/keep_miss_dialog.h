// The keep-miss dialog: the kind of a lost possession.
#pragma once

#include "detail_dialog.h"
#include "ui_keep_miss_dialog.h"

class KeepMissDialog : public DetailDialog {
  Q_OBJECT

 public:
  explicit KeepMissDialog(Screen& screen);
  Ui::KeepMissDialog ui;
};
