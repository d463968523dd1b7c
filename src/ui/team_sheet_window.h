// The team sheet, the program's main window: rosters and team names before
// the match, goal and sanction counts during it, and saving afterwards.
#pragma once

#include <QTimer>
#include <filesystem>
#include <functional>
#include <optional>

#include "recorder_window.h"
#include "roster_grid.h"
#include "ui_team_sheet_window.h"

class TeamSheetWindow : public RecorderWindow {
  Q_OBJECT

 public:
  explicit TeamSheetWindow(Screen& screen);
  ~TeamSheetWindow() override;
  void refresh() override;
  std::vector<KeyedControl> keyedControls() const override;

  Ui::TeamSheetWindow ui;
  // Fires once, as soon as the message loop runs, to show the splash.
  QTimer splashTimer;

  void finishInput();   // 入力終了 / 画面切り替え
  void showSettings();  // 試合設定
  class MatchSettingsDialog* settingsDialog = nullptr;
  void saveMatch();  // データ保存
  void showSplash();

  // Set by the window set: what the close box does once nothing unsaved
  // stands in the way (ends the program; tests count it instead).
  void setQuitAction(std::function<void()> quit) { quit_ = std::move(quit); }
  // Set by the window set when the match is kept in a match file: the copy
  // written beside the tables at the end of each save, and a match file
  // dropped on the window.
  void setMatchCopy(std::function<void()> copy) { copyMatch_ = std::move(copy); }
  void setOpenRequest(std::function<void(const std::filesystem::path&)> open) {
    open_ = std::move(open);
  }
  // A video file dropped on the window: the match's video.
  void setVideoRequest(std::function<void(const std::filesystem::path&)> open) {
    video_ = std::move(open);
  }
  // The window 「シーズン」, opened by the window set.
  void setSeasonRequest(std::function<void()> open) { season_ = std::move(open); }
  // Makes the save's file operations fail on purpose; tests only.
  void setFileFaults(class FileFaults* faults) { faults_ = faults; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  std::function<void(const std::filesystem::path&)> dropTarget(
      const std::optional<std::filesystem::path>& path) const;

 private:
  std::function<void()> quit_;
  std::function<void()> copyMatch_;
  std::function<void(const std::filesystem::path&)> open_;
  std::function<void(const std::filesystem::path&)> video_;
  std::function<void()> season_;
  FileFaults* faults_ = nullptr;
  RosterGrid rosterGrid_;
  class RosterTableModel* rosterModel_ = nullptr;
};
