// The keep-miss dialog: the kind of a lost possession.
#pragma once

#include "detail_dialog.h"
#include "export_heads.h"
#include "ui_keep_miss_dialog.h"

class KeepMissDialog : public DetailDialog {
  Q_OBJECT

 public:
  explicit KeepMissDialog(MatchModel& model);
  Ui::KeepMissDialog ui;

  // The shot table's keep-miss rows are headed by the kind buttons'
  // captions as they read at the moment of saving.
  void addExportHeads(ExportHeads& heads) const;
};
