// An operator who works fast and presses whatever is usable: a seeded series
// of steps on the real windows (buttons, keys, close boxes, saves, typing
// into the roster and the team names, the analysis window's choices, time
// passing), each followed by the checks of OperatorRules. The same seed
// always gives the same steps.
#pragma once

#include <QPoint>
#include <QPushButton>
#include <cstdint>
#include <deque>
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
};

class RandomOperator {
 public:
  // Saves go into `folder`, which the operator furnishes with a read-only
  // folder, a read-only table, workbook and report, and a folder in place
  // of a file.
  RandomOperator(WindowSet& windows, OperatorFixture fixture, uint64_t seed, std::string folder);

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
  std::string chooseAnalysisPerson();
  std::string letTimePass();
  std::string clickSplash();
  // Keys (key_steps.cpp): one key of the keymap or one that no step has,
  // and a person typed by shirt number or roster line.
  std::string pressKey();
  std::string typePerson();
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

  WindowSet& windows_;
  Match& m_;
  FileFaults faults_;
  OperatorFixture fixture_;
  SeededRandom random_;
  std::string folder_;
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
  int keysPressed_ = 0;
  int keysActing_ = 0;  // keys whose step was offered
  int personsTyped_ = 0;
  // The files this match's saves wrote, by inode.
  std::set<ino_t> ownFiles_;
};
