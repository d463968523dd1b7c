// The court dialog: where on the court an event happened and, for goals and
// shot misses, which part of the goal the shot went to.
#pragma once

#include <QPushButton>
#include <vector>

#include "recorder_window.h"
#include "ui_court_window.h"

class CourtDialog : public RecorderWindow {
  Q_OBJECT

 public:
  explicit CourtDialog(Screen& screen);

  void refresh() override;
  std::vector<KeyedControl> keyedControls() const override;

  Ui::CourtDialog ui;
  // The places on the court (the bench aside) and the goal zones, each
  // group in code order.
  std::vector<QPushButton*> locationButtons;
  std::vector<QPushButton*> zoneButtons;

  void correctStep();  // 修正
};
