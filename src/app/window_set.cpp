#include "window_set.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QWindow>

WindowSet::WindowSet(Showing showing)
    : match_(std::make_unique<Match>()), screen_(std::make_unique<Screen>(*match_)) {
  Screen& s = *screen_;
  // The windows are built in a fixed order, the team sheet first.
  teamSheet_ = std::make_unique<TeamSheetWindow>(s);
  // exit() rather than quit(): quit() comes back as a request to close the
  // team sheet (QuitRequests).
  teamSheet_->setQuitAction([] { QCoreApplication::exit(0); });
  if (showing == Showing::TeamSheetFirst) showTeamSheetNow();
  matchWindow_ = std::make_unique<MatchWindow>(s);
  courtDialog_ = std::make_unique<CourtDialog>(s);
  keepMissDialog_ = std::make_unique<KeepMissDialog>(s);
  penaltyThrowDialog_ = std::make_unique<PenaltyThrowDialog>(s);
  foulDialog_ = std::make_unique<FoulDialog>(s);
  timeOutDialog_ = std::make_unique<TimeOutDialog>(s);
  splash_ = std::make_unique<SplashWindow>(s);
  analysisWindow_ = std::make_unique<AnalysisWindow>(s);
  s.takeRaised();
  for (int w = 1; w <= kWindowCount; ++w)
    window(static_cast<WindowId>(w))->setAfterHandler([this] { refresh(); });
  refresh();
  quitRequests_.teamSheet = teamSheet_.get();
  QCoreApplication::instance()->installEventFilter(&quitRequests_);
  QCoreApplication::instance()->installEventFilter(&pressGuard_);
}

WindowSet::~WindowSet() {
  for (int w = 1; w <= kWindowCount; ++w)
    window(static_cast<WindowId>(w))->setAfterHandler(nullptr);
}

void WindowSet::setQuitAction(std::function<void()> quit) {
  teamSheet_->setQuitAction(std::move(quit));
}

bool QuitRequests::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Quit || watched != QCoreApplication::instance()) return false;
  teamSheet->close();
  return true;
}

RecorderWindow* WindowSet::window(WindowId w) const {
  switch (w) {
    case WindowId::TeamSheet:
      return teamSheet_.get();
    case WindowId::Match:
      return matchWindow_.get();
    case WindowId::Court:
      return courtDialog_.get();
    case WindowId::KeepMiss:
      return keepMissDialog_.get();
    case WindowId::PenaltyThrow:
      return penaltyThrowDialog_.get();
    case WindowId::Foul:
      return foulDialog_.get();
    case WindowId::TimeOut:
      return timeOutDialog_.get();
    case WindowId::Splash:
      return splash_.get();
    case WindowId::Analysis:
      return analysisWindow_.get();
  }
  return nullptr;
}

// Building the hidden windows and loading their fonts takes about as long as
// everything before, so the team sheet is drawn first. No user input is
// handled before all nine windows exist.
void WindowSet::showTeamSheetNow() {
  screen_->show(WindowId::TeamSheet);
  teamSheet_->refresh();
  teamSheet_->splashTimer.stop();  // the splash waits for the message loop; refresh() restarts it
  teamSheet_->show();
  const QDeadlineTimer deadline(100);
  while (!teamSheet_->windowHandle()->isExposed() && !deadline.hasExpired())
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  teamSheet_->repaint();
}

void WindowSet::start() {
  screen_->show(WindowId::TeamSheet);
  refresh();
}

void WindowSet::refresh() {
  for (int w = 1; w <= kWindowCount; ++w) {
    RecorderWindow* f = window(static_cast<WindowId>(w));
    f->refresh();
    const bool wanted = screen_->visible(static_cast<WindowId>(w));
    if (wanted && !f->isVisible()) f->show();
    if (!wanted && f->isVisible()) f->hide();
  }
  for (WindowId w : screen_->takeRaised()) {
    RecorderWindow* f = window(w);
    if (!f->isVisible()) continue;
    f->raise();
    f->activateWindow();
    pressGuard_.broughtForward(f);
  }
}
