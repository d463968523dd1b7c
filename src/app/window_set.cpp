#include "window_set.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWindow>

WindowSet::WindowSet(Showing showing) : model_(std::make_unique<MatchModel>()) {
  MatchModel& m = *model_;
  // Each window's creation handler runs before the next window is built.
  teamSheet_ = std::make_unique<TeamSheetWindow>(m);
  // exit() rather than quit(): quit() comes back as a request to close the
  // team sheet (QuitRequests).
  teamSheet_->setQuitAction([] { QCoreApplication::exit(0); });
  teamSheet_->setExportHeads([this] { return exportHeads(); });
  teamSheet_->setUp();
  if (showing == Showing::TeamSheetFirst) showTeamSheetNow();
  matchWindow_ = std::make_unique<MatchWindow>(m);
  matchWindow_->setUp();
  courtDialog_ = std::make_unique<CourtDialog>(m);
  courtDialog_->setUp();
  keepMissDialog_ = std::make_unique<KeepMissDialog>(m);
  keepMissDialog_->setUp();
  penaltyThrowDialog_ = std::make_unique<PenaltyThrowDialog>(m);
  penaltyThrowDialog_->setUp();
  foulDialog_ = std::make_unique<FoulDialog>(m);
  foulDialog_->setUp();
  timeOutDialog_ = std::make_unique<TimeOutDialog>(m);
  timeOutDialog_->setUp();
  splash_ = std::make_unique<SplashWindow>(m);
  m.raised.clear();
  for (int w = 1; w <= 8; ++w)
    window(static_cast<Window>(w))->setAfterHandler([this] { refresh(); });
  refresh();
  quitRequests_.teamSheet = teamSheet_.get();
  QCoreApplication::instance()->installEventFilter(&quitRequests_);
}

WindowSet::~WindowSet() {
  for (int w = 1; w <= 8; ++w) window(static_cast<Window>(w))->setAfterHandler(nullptr);
}

void WindowSet::setQuitAction(std::function<void()> quit) {
  teamSheet_->setQuitAction(std::move(quit));
}

bool QuitRequests::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Quit || watched != QCoreApplication::instance()) return false;
  teamSheet->close();
  return true;
}

RecorderWindow* WindowSet::window(Window w) const {
  switch (w) {
    case Window::TeamSheet:
      return teamSheet_.get();
    case Window::Match:
      return matchWindow_.get();
    case Window::Court:
      return courtDialog_.get();
    case Window::KeepMiss:
      return keepMissDialog_.get();
    case Window::Penalty:
      return penaltyThrowDialog_.get();
    case Window::Foul:
      return foulDialog_.get();
    case Window::Situation:
      return timeOutDialog_.get();
    case Window::Splash:
      return splash_.get();
  }
  return nullptr;
}

// The shot table's heads are the captions of the court and keep-miss
// dialogs' buttons at the moment of saving.
ExportHeads WindowSet::exportHeads() const {
  ExportHeads heads;
  courtDialog_->addExportHeads(heads);
  keepMissDialog_->addExportHeads(heads);
  return heads;
}

// Building the hidden windows and loading their fonts takes about as long as
// everything before, so the team sheet is drawn first. No user input is
// handled before all eight windows exist.
void WindowSet::showTeamSheetNow() {
  model_->show(Window::TeamSheet);
  teamSheet_->refresh();
  teamSheet_->splashTimer.stop();  // the splash waits for the message loop; refresh() restarts it
  teamSheet_->show();
  const QDeadlineTimer deadline(100);
  while (!teamSheet_->windowHandle()->isExposed() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  teamSheet_->repaint();
}

void WindowSet::start() {
  model_->show(Window::TeamSheet);
  refresh();
}

void WindowSet::refresh() {
  MatchModel& m = *model_;
  for (int w = 1; w <= 8; ++w) {
    RecorderWindow* f = window(static_cast<Window>(w));
    f->refresh();
    const bool wanted = m.visible[w];
    if (wanted && !f->isVisible()) f->show();
    if (!wanted && f->isVisible()) f->hide();
  }
  for (Window w : m.raised) {
    RecorderWindow* f = window(w);
    if (!f->isVisible()) continue;
    f->raise();
    f->activateWindow();
  }
  m.raised.clear();
}
