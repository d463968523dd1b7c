// The nine windows, created once in their fixed order over one match and
// its screen, and kept until the set ends.
#pragma once

#include <QObject>
#include <filesystem>
#include <functional>
#include <memory>

#include "analysis_window.h"
#include "court_window.h"
#include "event_facts_panel.h"
#include "foul_dialog.h"
#include "keep_miss_dialog.h"
#include "key_entry.h"
#include "key_help_window.h"
#include "key_input.h"
#include "key_legend.h"
#include "match_safekeeping.h"
#include "match_window.h"
#include "penalty_throw_dialog.h"
#include "press_guard.h"
#include "screen_in_file.h"
#include "splash_window.h"
#include "team_sheet_window.h"
#include "time_out_dialog.h"
#include "video_desk.h"

// A request to end the program from outside it (the session ending, the
// platform's quit) goes the way of the team sheet's close box, which asks
// first when recorded events are unsaved. Left to the toolkit, it would ask
// every window to close and stop at the first that refuses, and the other
// windows refuse, since their close box only hides them.
class QuitRequests : public QObject {
 public:
  QWidget* teamSheet = nullptr;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

class SeasonWindow;

class WindowSet {
 public:
  // TeamSheetFirst puts the team sheet on screen as soon as it is created,
  // before the other eight windows, which stay hidden at start, are built:
  // the program starts that way. Tests build all nine before showing any.
  enum class Showing { AfterAll, TeamSheetFirst };

  explicit WindowSet(Showing showing = Showing::AfterAll, Keymap keymap = Keymap());
  ~WindowSet();
  WindowSet(const WindowSet&) = delete;
  WindowSet& operator=(const WindowSet&) = delete;

  Match& match() { return *match_; }
  Screen& screen() { return *screen_; }
  RecorderWindow* window(WindowId w) const;
  TeamSheetWindow* teamSheet() const { return teamSheet_.get(); }
  MatchWindow* matchWindow() const { return matchWindow_.get(); }
  CourtDialog* courtDialog() const { return courtDialog_.get(); }
  KeepMissDialog* keepMissDialog() const { return keepMissDialog_.get(); }
  PenaltyThrowDialog* penaltyThrowDialog() const { return penaltyThrowDialog_.get(); }
  FoulDialog* foulDialog() const { return foulDialog_.get(); }
  TimeOutDialog* timeOutDialog() const { return timeOutDialog_.get(); }
  SplashWindow* splash() const { return splash_.get(); }
  AnalysisWindow* analysisWindow() const { return analysisWindow_.get(); }
  // The facts panel beside the match window, shown whenever it is.
  EventFactsPanel* factsPanel() const { return factsPanel_.get(); }
  // The key list, built when first asked for.
  KeyHelpWindow* keyHelp();
  // The window 「シーズン」 over the data folder, built when first asked for
  // and read again each time it is shown; null until the match is kept.
  SeasonWindow* seasonWindow() const { return season_.get(); }
  void showSeason();
  const KeyEntry& keyEntry() const { return keys_; }
  KeyLegend& keyLegend() { return legend_; }

  // Whether `window` is one of the set's windows or its key list.
  bool owns(const QWidget* window) const;
  // A key that the keymap has, pressed with `window` in front: the step it
  // stands for now runs as a click's would, or nothing happens.
  void pressKey(QWidget* window, const std::string& key);
  // Tells once, in a box, which lines of the keymap file were not taken,
  // as soon as the splash is gone (it would cover the box); the key list
  // names them too.
  void reportKeymapProblems(const std::string& path, const std::vector<std::string>& problems);

  // From now on the match is kept in a match file in `folder` (the per-user
  // data folder) after every step; each save copies it beside the tables.
  void keepIn(std::filesystem::path folder);
  MatchSafekeeping* safekeeping() { return keeping_.get(); }
  // A match file dropped on the team sheet: opened in place of this match,
  // once the operator agrees to leave unsaved steps behind.
  void openDropped(const std::filesystem::path& file);

  // The match's video, and its player window once a video is open.
  VideoDesk& video() { return *video_; }
  void openVideo(const std::filesystem::path& file) { video_->open(file); }

  // What the team sheet's close box finally does: ends the program, unless
  // a test puts something else here.
  void setQuitAction(std::function<void()> quit);

  // Shows the main window.
  void start();
  // Brings every window in line with the match and the screen: controls,
  // shown or hidden, and which comes to the front.
  void refresh();

 private:
  void showTeamSheetNow();
  // Keeps the step just taken, then brings the windows in line with it.
  void afterStep();
  void reportWhenDue();

  std::unique_ptr<Match> match_;
  std::unique_ptr<Screen> screen_;
  ScreenInFile screenInFile_{*screen_};
  // Destroyed in the reverse of their creation order, the facts panel first.
  std::unique_ptr<TeamSheetWindow> teamSheet_;
  std::unique_ptr<MatchWindow> matchWindow_;
  std::unique_ptr<CourtDialog> courtDialog_;
  std::unique_ptr<KeepMissDialog> keepMissDialog_;
  std::unique_ptr<PenaltyThrowDialog> penaltyThrowDialog_;
  std::unique_ptr<FoulDialog> foulDialog_;
  std::unique_ptr<TimeOutDialog> timeOutDialog_;
  std::unique_ptr<SplashWindow> splash_;
  std::unique_ptr<AnalysisWindow> analysisWindow_;
  std::unique_ptr<EventFactsPanel> factsPanel_;
  std::unique_ptr<MatchSafekeeping> keeping_;
  std::unique_ptr<VideoDesk> video_;
  QuitRequests quitRequests_;
  PressGuard pressGuard_;
  KeyEntry keys_;
  KeyLegend legend_;
  std::unique_ptr<KeyHelpWindow> keyHelp_;
  std::unique_ptr<SeasonWindow> season_;
  std::string keymapPath_;
  std::vector<std::string> keymapProblems_;
  KeyInput keyInput_{*this};
  QString keymapReport_;  // waiting for the splash to go
};
