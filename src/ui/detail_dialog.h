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
  DetailDialog(Screen& screen, WindowId id);

  void refresh() override {}
  std::vector<KeyedControl> keyedControls() const override;

  // The choice buttons in code order, and 修正.
  const std::vector<QPushButton*>& choiceButtons() const { return choices_; }
  QPushButton* correctionButton() const { return correction_; }

  void correctPlace();  // 修正: back to the court for the place

 protected:
  // `choices` in code order, each completing an event of `action` with
  // the detail of its code.
  void setUpDetail(const QString& caption, QPoint position, QSize windowSize,
                   std::vector<QPushButton*> choices, QPushButton* correction, Action action);

 private:
  std::vector<QPushButton*> choices_;
  QPushButton* correction_ = nullptr;
};
