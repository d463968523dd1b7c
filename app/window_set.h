// The eight windows, created once in their fixed order over one match model
// and kept until the set ends.
#pragma once

#include <memory>

#include "match_model.h"

class FormBase;

class WindowSet {
 public:
  WindowSet();
  ~WindowSet();
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  MatchModel& model() { return *model_; }
  FormBase* form(Window w) const;

  // Shows the main window.
  void start();
  // Brings every window in line with the model: controls, shown or hidden,
  // and which comes to the front.
  void refresh();

 private:
  std::unique_ptr<MatchModel> model_;
};
