// The window 「シーズン」: the match files of the data folder and of the
// folders the operator adds, filtered into a season; its players as merged
// across the matches, joined and parted by hand; the season's figures, its
// trend, shot chart and goal maps; and its workbook and report. A thin view
// over SeasonModel, which the command line uses too.
#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "season_model.h"
#include "ui_season_window.h"

class ShotChartView;
class GoalMapView;
class TrendView;

class SeasonWindow : public QWidget {
  Q_OBJECT

 public:
  // `heldHere` names the files this program holds open now, asked at each
  // reading so that the match being recorded is never opened.
  SeasonWindow(std::filesystem::path dataFolder,
               std::function<std::vector<FileIdentity>()> heldHere);
  ~SeasonWindow() override;

  Ui::SeasonWindow ui;
  const SeasonModel& model() const { return *model_; }

  // Reads the folders again and shows what they hold.
  void reload();
  // Adds or leaves out a folder beside the data folder; the window opens
  // again with the folders it had.
  void addFolder(const std::filesystem::path& folder);
  void removeFolder(const std::filesystem::path& folder);
  // Joins the chosen players into the one of most matches among them.
  void joinChosen();
  void unjoinChosen();
  // Parts the chosen match of the chosen player, or joins it back.
  void partChosen();
  void exportWorkbook(const std::string& path);
  void exportReport(const std::string& path);

 private:
  void takeFilter();
  void saveFolders();
  void showAll();
  void showMatches();
  void showTeam();
  void showPlayers();
  void showAppearances();
  // The player of the current row of the players' table, if any.
  const SeasonPlayer* currentPlayer() const;
  void tryChoice(const std::function<void()>& choice);

  std::function<std::vector<FileIdentity>()> heldHere_;
  std::unique_ptr<SeasonModel> model_;
  ShotChartView* shotChart_ = nullptr;
  GoalMapView* zoneMap_ = nullptr;
  GoalMapView* saveMap_ = nullptr;
  TrendView* trend_ = nullptr;
  bool showing_ = false;  // the tables being filled: their signals are not the operator's
};
