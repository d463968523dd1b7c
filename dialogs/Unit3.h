// The court dialog: where on the court an event happened and, for goals and
// shot misses, which part of the goal the shot went to.
#pragma once

#include <QPushButton>
#include <vector>

#include "form_base.h"
#include "ui_Unit3.h"

class TForm3 : public FormBase {
  Q_OBJECT

 public:
  explicit TForm3(MatchModel& model);

  void FormCreate();
  void refresh() override;

  Ui::TForm3 ui;
  // Location group (Button10..Button18, Button22) and zone group
  // (Button1..Button9, Button19, Button20), each in code order.
  std::vector<QPushButton*> locationButtons;
  std::vector<QPushButton*> zoneButtons;

  void Button23Click();  // 修正
};

extern TForm3* Form3;
