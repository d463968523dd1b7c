// The splash window: title, makers and emblem, gone at the first click.
#pragma once

#include "form_base.h"
#include "ui_Unit8.h"

class TForm8 : public FormBase {
  Q_OBJECT

 public:
  explicit TForm8(MatchModel& model);

  void refresh() override {}
  void FormClick();

  Ui::TForm8 ui;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

extern TForm8* Form8;
