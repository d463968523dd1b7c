// The eight windows, created once in their fixed order over one match model
// and kept until the set ends.
#pragma once

#include <QObject>
#include <memory>

#include "match_model.h"

class RecorderWindow;

// A request to end the program from outside it (the session ending, the
// platform's quit) goes the way of the team sheet's close box, which asks
// first when recorded events are unsaved. Left to the toolkit, it would ask
// every window to close and stop at the first that refuses, and the other
// windows refuse, since their close box only hides them.
class QuitRequests : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// The window of a number, through the globals Form1..Form8.
RecorderWindow* formOf(Window w);

class WindowSet {
 public:
  // TeamSheetFirst puts the team sheet on screen as soon as it is created,
  // before the other seven windows, which stay hidden at start, are built:
  // the program starts that way. Tests build all eight before showing any.
  enum class Showing { AfterAll, TeamSheetFirst };

  explicit WindowSet(Showing showing = Showing::AfterAll);
  ~WindowSet();
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  MatchModel& model() { return *model_; }
  RecorderWindow* form(Window w) const;

  // Shows the main window.
  void start();
  // Brings every window in line with the model: controls, shown or hidden,
  // and which comes to the front.
  void refresh();

 private:
  void showTeamSheetNow();

  std::unique_ptr<MatchModel> model_;
  QuitRequests quitRequests_;
};
