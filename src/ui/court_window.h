// The court dialog: where on the court an event happened and, for goals and
// shot misses, which part of the goal the shot went to.
#pragma once

#include <QPushButton>
#include <vector>

#include "export_heads.h"
#include "recorder_window.h"
#include "ui_court_window.h"

class CourtDialog : public RecorderWindow {
  Q_OBJECT

 public:
  explicit CourtDialog(MatchModel& model);

  void FormCreate();
  void refresh() override;

  Ui::CourtDialog ui;
  // Location group (Button10..Button18, Button22) and zone group
  // (Button1..Button9, Button19, Button20), each in code order.
  std::vector<QPushButton*> locationButtons;
  std::vector<QPushButton*> zoneButtons;

  void Button23Click();  // 修正

  // The shot table is headed by the place and zone buttons' captions as
  // they read at the moment of saving.
  void addExportHeads(ExportHeads& heads) const;
};
