#include "window_set.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWindow>

#include "court_window.h"
#include "foul_dialog.h"
#include "keep_miss_dialog.h"
#include "match_window.h"
#include "penalty_throw_dialog.h"
#include "splash_window.h"
#include "team_sheet_window.h"
#include "time_out_dialog.h"

WindowSet::WindowSet(Showing showing) : model_(std::make_unique<MatchModel>()) {
  MatchModel& m = *model_;
  // Each global is set before its creation handler runs, and a handler only
  // reaches windows created before it.
  Form1 = new TeamSheetWindow(m);
  Form1->FormCreate();
  if (showing == Showing::TeamSheetFirst) showTeamSheetNow();
  Form2 = new MatchWindow(m);
  Form2->FormCreate();
  Form3 = new CourtDialog(m);
  Form3->FormCreate();
  Form4 = new KeepMissDialog(m);
  Form4->FormCreate();
  Form5 = new PenaltyThrowDialog(m);
  Form5->FormCreate();
  Form6 = new FoulDialog(m);
  Form6->FormCreate();
  Form7 = new TimeOutDialog(m);
  Form7->FormCreate();
  Form8 = new SplashWindow(m);
  m.raised.clear();
  RecorderWindow::afterHandler = [this] { refresh(); };
  refresh();
  QCoreApplication::instance()->installEventFilter(&quitRequests_);
}

WindowSet::~WindowSet() {
  RecorderWindow::afterHandler = nullptr;
  delete Form8;
  delete Form7;
  delete Form6;
  delete Form5;
  delete Form4;
  delete Form3;
  delete Form2;
  delete Form1;
  Form1 = nullptr;
  Form2 = nullptr;
  Form3 = nullptr;
  Form4 = nullptr;
  Form5 = nullptr;
  Form6 = nullptr;
  Form7 = nullptr;
  Form8 = nullptr;
}

bool QuitRequests::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Quit || watched != QCoreApplication::instance()) return false;
  Form1->close();
  return true;
}

RecorderWindow* formOf(Window w) {
  switch (w) {
    case Window::TeamSheet:
      return Form1;
    case Window::Match:
      return Form2;
    case Window::Court:
      return Form3;
    case Window::KeepMiss:
      return Form4;
    case Window::Penalty:
      return Form5;
    case Window::Foul:
      return Form6;
    case Window::Situation:
      return Form7;
    case Window::Splash:
      return Form8;
  }
  return nullptr;
}

RecorderWindow* WindowSet::form(Window w) const {
  return formOf(w);
}

// Building the hidden windows and loading their fonts takes about as long as
// everything before, so the team sheet is drawn first. No user input is
// handled before all eight windows exist.
void WindowSet::showTeamSheetNow() {
  model_->show(Window::TeamSheet);
  Form1->refresh();
  Form1->Timer1.stop();  // the splash waits for the message loop; refresh() restarts it
  Form1->show();
  const QDeadlineTimer deadline(100);
  while (!Form1->windowHandle()->isExposed() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  Form1->repaint();
}

void WindowSet::start() {
  model_->show(Window::TeamSheet);
  refresh();
}

void WindowSet::refresh() {
  MatchModel& m = *model_;
  for (int w = 1; w <= 8; ++w) {
    RecorderWindow* f = form(static_cast<Window>(w));
    f->refresh();
    const bool wanted = m.visible[w];
    if (wanted && !f->isVisible()) f->show();
    if (!wanted && f->isVisible()) f->hide();
  }
  for (Window w : m.raised) {
    RecorderWindow* f = form(w);
    if (!f->isVisible()) continue;
    f->raise();
    f->activateWindow();
  }
  m.raised.clear();
}
