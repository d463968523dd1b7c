#include "window_set.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWindow>

#include "identify.h"
#include "key_names.h"
#include "log_edits.h"
#include "message_box.h"
#include "player_window.h"
#include "season_window.h"

WindowSet::WindowSet(Showing showing, Keymap keymap)
    : match_(std::make_unique<Match>()),
      screen_(std::make_unique<Screen>(*match_)),
      keys_(std::move(keymap)) {
  Screen& s = *screen_;
  // The windows are built in a fixed order, the team sheet first.
  teamSheet_ = std::make_unique<TeamSheetWindow>(s);
  // exit() rather than quit(): quit() comes back as a request to close the
  // team sheet (QuitRequests).
  setQuitAction([] { QCoreApplication::exit(0); });
  if (showing == Showing::TeamSheetFirst) showTeamSheetNow();
  matchWindow_ = std::make_unique<MatchWindow>(s);
  courtDialog_ = std::make_unique<CourtDialog>(s);
  keepMissDialog_ = std::make_unique<KeepMissDialog>(s);
  penaltyThrowDialog_ = std::make_unique<PenaltyThrowDialog>(s);
  foulDialog_ = std::make_unique<FoulDialog>(s);
  timeOutDialog_ = std::make_unique<TimeOutDialog>(s);
  splash_ = std::make_unique<SplashWindow>(s);
  analysisWindow_ = std::make_unique<AnalysisWindow>(s);
  factsPanel_ = std::make_unique<EventFactsPanel>(s, *matchWindow_);
  s.takeRaised();
  for (int w = 1; w <= kWindowCount; ++w) {
    RecorderWindow* f = window(static_cast<WindowId>(w));
    f->setAfterHandler([this] { afterStep(); });
    // Each control shows the first of its step's keys.
    for (const KeyedControl& keyed : f->keyedControls()) {
      const auto& keys = keys_.keymap().keys(keyed.step);
      legend_.setLegend(keyed.control,
                        keys.empty() ? QString() : QString::fromStdString(shortKeyName(keys[0])));
    }
  }
  for (const KeyedControl& keyed : factsPanel_->keyedControls()) {
    const auto& keys = keys_.keymap().keys(keyed.step);
    legend_.setLegend(keyed.control,
                      keys.empty() ? QString() : QString::fromStdString(shortKeyName(keys[0])));
  }
  matchWindow_->setKeyEntry(&keys_, &legend_);
  video_ = std::make_unique<VideoDesk>(
      *match_, *matchWindow_, [this] { refresh(); }, [this] { afterStep(); });
  matchWindow_->videoRequest = [this] { video_->choose(); };
  matchWindow_->logEdits->setVideoHooks(
      {[this] { return video_->isOpen(); },
       [this](TeamId t, int row) { video_->watch(match_->teamEvent(t, row)); },
       [this](TeamId t, int row) { video_->tie(match_->teamEvent(t, row)); }});
  analysisWindow_->setVideoHooks(
      {[this] { return video_->isOpen(); },
       [this](const std::vector<std::size_t>& events) { video_->playEvents(events); },
       [this](const std::vector<std::size_t>& events) { video_->exportClips(events); }});
  teamSheet_->setVideoRequest([this](const std::filesystem::path& file) { video_->open(file); });
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
  teamSheet_->setQuitAction([this, quit = std::move(quit)] {
    // Marked as ended, the match is not offered again at the next start;
    // when that fails it is, which loses nothing.
    if (keeping_)
      if (const auto unsafe = keeping_->end())
        showErrorBox(teamSheet_.get(), QString::fromStdString(*unsafe));
    quit();
  });
}

void WindowSet::keepIn(std::filesystem::path folder) {
  video_->setFolder(folder);
  keeping_ = std::make_unique<MatchSafekeeping>(*match_, screenInFile_, std::move(folder));
  teamSheet_->setMatchCopy([this] { keeping_->copyBeside(match_->fileStem); });
  teamSheet_->setOpenRequest([this](const std::filesystem::path& file) { openDropped(file); });
  teamSheet_->setSeasonRequest([this] { showSeason(); });
}

void WindowSet::openDropped(const std::filesystem::path& file) {
  teamSheet_->handle([&] {
    if (match_->unsaved() &&
        !askYesNo(teamSheet_.get(),
                  QStringLiteral("保存していない記録があります。保存せずにこの試合を閉じて、"
                                 "ファイルの試合を開きますか?")))
      return;
    keeping_->open(file);
  });
}

void WindowSet::afterStep() {
  std::optional<std::string> unsafe;
  if (keeping_) unsafe = keeping_->keep();
  refresh();
  // Once per failure: the step stands, and the next one tries again.
  if (unsafe) showErrorBox(teamSheet_.get(), QString::fromStdString(*unsafe));
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
  bool hidFront = false;
  for (int w = 1; w <= kWindowCount; ++w) {
    RecorderWindow* f = window(static_cast<WindowId>(w));
    f->refresh();
    const bool wanted = screen_->visible(static_cast<WindowId>(w));
    if (wanted && !f->isVisible()) f->show();
    if (!wanted && f->isVisible()) {
      hidFront = hidFront || f->isActiveWindow();
      f->hide();
    }
  }
  // The facts panel follows the match window, placed beside it when it
  // comes up.
  factsPanel_->refresh();
  const bool factsWanted = screen_->visible(WindowId::Match);
  if (factsWanted && !factsPanel_->isVisible()) {
    factsPanel_->placeBeside(*matchWindow_);
    factsPanel_->show();
  }
  if (!factsWanted && factsPanel_->isVisible()) factsPanel_->hide();
  const std::vector<WindowId> raised = screen_->takeRaised();
  for (WindowId w : raised) {
    RecorderWindow* f = window(w);
    if (!f->isVisible()) continue;
    f->raise();
    f->activateWindow();
    pressGuard_.broughtForward(f);
  }
  // Keys go to the window in front: when it closes with nothing raised in
  // its place, the match window (or the team sheet) takes the keys, so that
  // the next event can be typed at once.
  if (hidFront && raised.empty()) {
    RecorderWindow* next = matchWindow_->isVisible()
                               ? static_cast<RecorderWindow*>(matchWindow_.get())
                               : teamSheet_.get();
    next->activateWindow();
  }
  video_->matchChanged();
  reportWhenDue();
}

KeyHelpWindow* WindowSet::keyHelp() {
  if (!keyHelp_) {
    keyHelp_ = std::make_unique<KeyHelpWindow>();
    keyHelp_->setKeymap(keys_.keymap());
    keyHelp_->setSource(keymapPath_, keymapProblems_);
  }
  return keyHelp_.get();
}

void WindowSet::showSeason() {
  if (!keeping_) return;
  // The match file being written is never opened by the season: closing
  // any descriptor of it here would lose the lock that keeps it ours.
  auto held = [this] {
    std::vector<FileIdentity> ids;
    if (const auto file = keeping_->file())
      if (const auto id = fileIdentity(file->string())) ids.push_back(*id);
    return ids;
  };
  if (!season_)
    season_ = std::make_unique<SeasonWindow>(keeping_->folder(), held);
  else
    season_->reload();
  season_->show();
  season_->raise();
  season_->activateWindow();
}

bool WindowSet::owns(const QWidget* w) const {
  for (int id = 1; id <= kWindowCount; ++id)
    if (window(static_cast<WindowId>(id)) == w) return true;
  return w == keyHelp_.get() || w == factsPanel_.get() || (w && w == video_->window());
}

void WindowSet::pressKey(QWidget* window, const std::string& key) {
  // The key list belongs to no step: its keys act as the match window's.
  auto* handler = qobject_cast<RecorderWindow*>(window);
  if (!handler) handler = matchWindow_.get();
  const bool onTeamSheet = handler == teamSheet_.get();
  KeyOutcome outcome = KeyOutcome::Refused;
  handler->handle([&] { outcome = keys_.press(*screen_, key, onTeamSheet); });
  if (outcome == KeyOutcome::Save) teamSheet_->saveMatch();
  if (outcome == KeyOutcome::Help) keyHelp()->toggle();
  if (outcome == KeyOutcome::Video) video_->command(keys_.videoCommand());
  if (outcome == KeyOutcome::Season) showSeason();
}

void WindowSet::reportKeymapProblems(const std::string& path,
                                     const std::vector<std::string>& problems) {
  keymapPath_ = path;
  keymapProblems_ = problems;
  if (keyHelp_) keyHelp_->setSource(path, problems);
  if (problems.empty()) return;
  keymapReport_ = QStringLiteral("キー設定 %1 の次の行は使わず、その操作は既定のキーのままです:")
                      .arg(QString::fromStdString(path));
  for (const std::string& problem : problems)
    keymapReport_ += "\n" + QString::fromStdString(problem);
  reportWhenDue();
}

void WindowSet::reportWhenDue() {
  if (keymapReport_.isEmpty() || screen_->splashDue() || splash_->isVisible()) return;
  // Out of the redrawing that called this: the box runs an event loop.
  QTimer::singleShot(0, teamSheet_.get(),
                     [this, text = keymapReport_] { showNotice(teamSheet_.get(), text); });
  keymapReport_.clear();
}
