// The match window: the clock, the persons of both teams, the actions, the
// two event logs and the score.
#pragma once

#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "recorder_window.h"
#include "ui_match_window.h"

class MatchWindow : public RecorderWindow {
  Q_OBJECT

 public:
  explicit MatchWindow(Screen& screen);

  void refresh() override;
  std::vector<KeyedControl> keyedControls() const override;
  // Where the typed person is shown and marked.
  void setKeyEntry(const class KeyEntry* keys, class KeyLegend* legend);

  Ui::MatchWindow ui;
  // What has been typed of a person; shown only while typing, in the space
  // between the second team's name and the person buttons.
  QLabel* typedPersonPanel = nullptr;
  // Redraws the clock once a second while the match runs.
  QTimer clockTimer;
  // Team one's persons then team two's, each the official (slot 0) first.
  std::array<QPushButton*, 30> personButtons{};
  // The six action buttons by action code - 1.
  std::array<QPushButton*, kActions> actionButtons{};
  // The two logs by team - 1.
  std::array<class LogTableModel*, 2> logModels{};
  // F8 opens the analysis window, as its button does.
  QShortcut* analysisKey = nullptr;
  // Mending recorded events from the logs, with undo and redo.
  class LogEdits* logEdits = nullptr;
  // What the 映像 button does: the window set opens or shows the video.
  std::function<void()> videoRequest;

  void pickPerson(TeamId team, int slot);
  void chooseAction(Action action);
  void startMatch();     // 試合開始
  void togglePause();    // 中断/続行
  void showTeamSheet();  // 画面切り替え
  void correctPerson();  // 修正
  void showAnalysis();   // 分析
  void tick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showRules();
  void showNotices(const std::vector<std::string>& notices);
  const KeyEntry* keys_ = nullptr;
  KeyLegend* legend_ = nullptr;
};
