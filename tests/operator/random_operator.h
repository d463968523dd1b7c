// An operator who works fast and presses whatever is usable: a seeded series
// of steps on the real windows (buttons, keys, close boxes, saves, typing
// into the roster and the team names, the analysis window's choices, time
// passing), each followed by the checks of OperatorRules. The same seed
// always gives the same steps.
#pragma once

#include <QPoint>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "file_faults.h"
#include "message_box.h"
#include "operator_rules.h"
#include "saved_files.h"

// A generator whose series depends on the seed alone, on every platform.
class SeededRandom {
 public:
  explicit SeededRandom(uint64_t seed) : state_(seed) {}
  uint64_t next();
  int below(size_t n) { return static_cast<int>(next() % n); }
  bool percent(int p) { return below(100) < p; }
  template <typename T>
  const T& pick(const std::vector<T>& items) {
    return items[below(items.size())];
  }

 private:
  uint64_t state_;
};

// What the window test fixture lends the operator.
struct OperatorFixture {
  double& clockSeconds;
  std::vector<std::string>& errorBoxes;
  std::vector<std::string>& questions;
  std::vector<std::string>& notices;
  BoxAnswers& boxes;
  // The time of day the program reads, handed to a match brought back.
  std::function<double()> timeOfDay;
};

// The match window's clock ticks only when the operator lets time pass:
// its timer, started and stopped by the program as ever, never fires on its
// own, so how busy the machine is cannot change what a seed does.
inline void holdClockTimer(WindowSet& windows) {
  windows.matchWindow()->clockTimer.setInterval(std::numeric_limits<int>::max());
}

class RandomOperator {
 public:
  // Saves go into `folder`, which the operator furnishes with a read-only
  // folder, a read-only table, workbook and report, and a folder in place
  // of a file.
  // The match is kept in `dataFolder`, as the program keeps it in the
  // per-user data folder; a power cut replaces `windows` with new ones.
  RandomOperator(std::unique_ptr<WindowSet>& windows, OperatorFixture fixture, uint64_t seed,
                 std::string folder, std::string dataFolder);

  // One step and the checks after it: the first broken rule, or "".
  std::string step();
  // The last steps, oldest first, to tell what led to a failure.
  std::string recentSteps() const;
  // What the run did: events, saves and error boxes.
  std::string summary() const;

 private:
  enum class Target {
    Fresh,
    DiskFull,
    MissingFolder,
    ReadOnlyFolder,
    ReadOnlyFile,
    ReadOnlyWorkbook,
    ReadOnlyReport,
    FolderInPlace,
    NameTooLong,
  };

  std::string clickButton();
  static QPoint centreOf(QWidget* w);
  // A press and release at a screen point, the press at time `ms`, as the
  // platform stamps its events.
  static void clickAt(QPushButton* button, QPoint screenPoint, quint64 ms);
  std::string closeWindow();
  std::string save();
  std::string saveOutcome(Target target, const std::string& stem,
                          const std::vector<FileState>& before, const std::string& error,
                          bool& tablesWritten);
  std::string typeInRoster();
  std::string typeTeamName();
  std::string chooseSettings();
  std::string chooseAnalysisPerson();
  std::string chooseAnalysisPage();
  std::string letTimePass();
  std::string clickSplash();
  // The power goes (power_cut.cpp): the windows go without their close box,
  // new ones bring the match back from its file, and everything the
  // operator sees must be as it was.
  std::string powerCut();
  bool matchFileKept() const;
  // Mending recorded events from the logs (mend_steps.cpp): a double-click
  // on a row, the logs' menu, and undo and redo by keys.
  std::string mendEvent();
  std::string editRow(int team, int row);
  std::string fromMenu(int team);
  // `errors` and `questions`: the boxes seen before the step began, since a
  // choice from the menu has already acted when this is called.
  std::string undoOrRedo(bool undo, bool byMenu, size_t errors, size_t questions);
  // Fills the edit window at random: each field kept or chosen anew, the
  // time now and then not mm:ss. The edit it asks for goes into `mend`,
  // and the error box it must show into `expectedError`.
  std::string fillEditWindow(class EventEditDialog* dialog, OperatorRules::Mend& mend,
                             std::string& expectedError);
  // The facts the edit window shows as the operator left them.
  struct EditFacts {
    std::string outcome, attack;
    int assist = 0, goalkeeper = 0;
    bool writtenReport = false;
  };
  EditFacts editFacts_;
  // The facts of the event a change is asked of, before it.
  std::optional<EventFacts> factsBefore_;
  std::string applyEdit(QPushButton* button, const OperatorRules::Mend& mend,
                        const std::string& expectedError, bool changes);
  QPoint rowPoint(int team, int row) const;
  // Keys (key_steps.cpp): one key of the keymap or one that no step has,
  // and a person typed by shirt number or roster line.
  std::string pressKey();
  std::string typePerson();
  // The facts of the event recorded last and the goalkeepers, by the facts
  // panel or by keys (facts_steps.cpp); `pressed`: a facts key pressKey chose.
  std::string sayFacts(const std::string& pressed = "");
  // The panel beside the match window, and an event just completed.
  std::string checkFactsPanel(size_t eventsBefore, bool recording);
  // The window in front, once due timers and activations have run.
  QWidget* front() const;
  // Keys pressed in `window`, to its control in focus.
  void sendKeys(const std::string& names, QWidget* window);
  const OperatorButton* find(OperatorButton::Role role, int code = 0, int team = 0,
                             WindowId window = WindowId::TeamSheet) const;
  const OperatorButton* buttonOfStep(const struct KeyStep& step, const QWidget* front) const;
  std::string afterKey(const OperatorButton* acting, size_t errors, size_t questions);
  std::string newMessage(size_t errorsBefore, size_t questionsBefore) const;
  void note(const std::string& what);

  std::unique_ptr<WindowSet>& windows_;
  FileFaults faults_;
  OperatorFixture fixture_;
  SeededRandom random_;
  std::string folder_;
  std::string dataFolder_;
  OperatorRules rules_;
  std::vector<OperatorButton> buttons_;
  std::deque<std::string> trace_;
  bool ticked_ = false;
  int saves_ = 0;
  int wholeSaves_ = 0;
  // Steps so far, and the last click: its step, button, point and time.
  int steps_ = 0;
  int quickClicks_ = 0;
  int lastClickStep_ = -10;
  QPushButton* lastButton_ = nullptr;
  QPoint lastPoint_;
  quint64 pressTime_ = 1000000000;
  int reportFailures_ = 0;  // saves that wrote the tables but not the report
  int analysisSteps_ = 0;   // steps checked with the analysis window shown
  int personChoices_ = 0;
  int pageChoices_ = 0;
  int keysPressed_ = 0;
  int keysActing_ = 0;  // keys whose step was offered
  int personsTyped_ = 0;
  int powerCuts_ = 0;
  int edits_ = 0;         // changes, deletes and inserts that went in
  int editsRefused_ = 0;  // refused with an error box
  int undos_ = 0;
  int redos_ = 0;
  int factsSaid_ = 0;
  // Who the operator put in goal (0 none yet) and the lines it marked so,
  // by team index.
  std::array<int, 2> inGoal_{};
  std::array<std::set<int>, 2> keepers_;
  // The files this match's saves wrote, by inode.
  std::set<ino_t> ownFiles_;
};
