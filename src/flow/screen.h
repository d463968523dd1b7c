// What the operator has in front of them while recording: which windows are
// shown and which came to the front, and the steps the windows' buttons take.
// Each step applies the recording rule of the match and then opens, closes
// or raises the windows that the next step needs. No toolkit here: the
// windows draw themselves from this and from the views (views.h).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "match.h"
#include "window_id.h"

// The detail dialog that completes an action; the court dialog for shots,
// whose goal zone is chosen there.
WindowId dialogFor(Action a);

// Everything the screen holds, to keep and to bring back.
struct ScreenState {
  std::array<bool, kWindowCount + 1> visible{};
  // Windows by their last raise, the one in front last.
  std::vector<WindowId> frontOrder;
  bool rosterCarried = false;
  bool splashShown = false;
  // The roster grid's separator column, by line; typed into, never saved.
  std::array<std::string, kRosterLines> notes;
  // The analysis window's team and person (0 the whole team).
  TeamId analysisTeam = TeamId::One;
  int analysisSlot = 0;
  bool operator==(const ScreenState&) const = default;
};

class Screen {
 public:
  explicit Screen(Match& match) : match_(match) {}

  Match& match() { return match_; }
  const Match& match() const { return match_; }

  bool visible(WindowId w) const { return visible_[static_cast<int>(w)]; }
  // Windows brought to the front since the last call, in order.
  std::vector<WindowId> takeRaised();

  // Team sheet.
  void finishInput();  // "入力終了", then "画面切り替え"
  bool rosterCarried() const { return rosterCarried_; }
  void showSplashOnce();
  bool splashDue() const { return !splashShown_; }
  void closeSplash() { hide(WindowId::Splash); }

  // Match window.
  void showTeamSheet();
  void startMatch();
  void togglePause();
  void tick();
  // Keeps the clock in step with the hall clock; recorded times stay.
  void nudgeClock(int seconds);
  // "mm:ss"; throws UserError for other text.
  void setClockText(const std::string& text);
  void changeSettings(const MatchSettings& settings);
  void pickPerson(TeamId team, int slot);
  void correctPerson();
  void chooseAction(Action a);

  // The facts panel beside the match window: what is said of the event
  // recorded last (Match::factsTarget), and who is in goal. The assist
  // chosen already, chosen again, is cleared; the written report of a
  // disqualification is said or taken back.
  void chooseOutcome(MissOutcome outcome);
  void chooseAttack(AttackKind attack);
  void chooseAssist(int slot);
  void toggleWrittenReport();
  void putInGoal(TeamId team, int slot);

  // Court dialog.
  void choosePlace(int place);
  void chooseZone(int zone);
  void correctOnCourt();

  // Detail dialogs.
  void chooseDetail(WindowId dialog, int code);
  void correctDetail(WindowId dialog);

  // Analysis window: opened from the match window; it shows one team, as a
  // whole or one of its players (a roster slot, 1..14).
  void showAnalysis();
  void chooseAnalysisTeam(TeamId team);  // back to the whole team
  void chooseAnalysisPerson(std::optional<int> slot);
  TeamId analysisTeam() const { return analysisTeam_; }
  std::optional<int> analysisSlot() const { return analysisSlot_; }

  // Whether the open event can only go on through window `w`: its close box
  // then leaves it open.
  bool neededByOpenEvent(WindowId w) const;
  // The close box of a window other than the team sheet: hides it unless the
  // open event needs it.
  void requestClose(WindowId w);

  // What the match window's person buttons and team panels read: blank
  // until the first "入力終了", then the roster as it stands.
  std::string personCaption(TeamId team, int slot) const;
  std::string teamPanel(TeamId team) const;

  // The team sheet's boxes and names typed into.
  void typeFileStem(const std::string& text);
  void typeExportPrefix(const std::string& text);
  void typeTeamName(TeamId team, const std::string& text);

  void show(WindowId w);  // shows and brings to the front
  void hide(WindowId w) { visible_[static_cast<int>(w)] = false; }

  std::array<std::string, kRosterLines>& notes() { return notes_; }
  const std::array<std::string, kRosterLines>& notes() const { return notes_; }

  ScreenState state() const;
  // Brings the screen back as it stood; the shown windows are raised again
  // in their order, so takeRaised() lists them back to front.
  void restore(const ScreenState& s);

 private:
  Match& match_;
  std::array<bool, kWindowCount + 1> visible_{};
  std::vector<WindowId> raised_;
  std::vector<WindowId> frontOrder_;
  bool rosterCarried_ = false;
  bool splashShown_ = false;
  std::array<std::string, kRosterLines> notes_;
  TeamId analysisTeam_ = TeamId::One;
  std::optional<int> analysisSlot_;
};
