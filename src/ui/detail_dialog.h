// What the four detail dialogs share: teal, cross-hatched, sizeable, one
// button per choice and a correction button that goes back to the court.
#pragma once

#include <QPushButton>
#include <functional>
#include <vector>

#include "recorder_window.h"

class DetailDialog : public RecorderWindow {
  Q_OBJECT

 public:
  DetailDialog(MatchModel& model, Window id);

  void FormCreate();
  void refresh() override {}

 protected:
  // `choices` in code order; `pick` receives the caption and the code.
  void setUpDetail(const QString& caption, QPoint position, QSize windowSize,
                   const std::vector<QPushButton*>& choices, QPushButton* correction,
                   std::function<void(const std::string&, int)> pick);
  void correct();
};
