// The season as the window and the command share it, without widgets: the
// folders read, their match files, which of them make the season (the
// filter, less the matches the operator leaves out), the players' joins
// and parts kept in the data folder, and the season's figures, made again
// whenever one of those changes.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "season_figures.h"

class SeasonModel {
 public:
  // Reads `folders` (the data folder among them, for the window) and the
  // players' choices of `dataFolder`. Files this program holds open
  // (`heldHere`) show as in use and are not opened.
  SeasonModel(std::filesystem::path dataFolder, std::vector<std::filesystem::path> folders,
              std::vector<FileIdentity> heldHere = {});
  // The figures point into the files.
  SeasonModel(const SeasonModel&) = delete;
  SeasonModel& operator=(const SeasonModel&) = delete;

  const std::filesystem::path& dataFolder() const { return dataFolder_; }
  const std::vector<std::filesystem::path>& folders() const { return folders_; }
  // Adds a folder (once) and reads every folder again.
  void addFolder(const std::filesystem::path& folder);
  // Leaves out a folder added (never the data folder) and reads again.
  void removeFolder(const std::filesystem::path& folder);
  void reload(std::vector<FileIdentity> heldHere);

  const std::vector<SeasonFile>& files() const { return files_; }
  const SeasonFilter& filter() const { return filter_; }
  void setFilter(SeasonFilter filter);
  // Whether file `i` is in the season: readable, admitted by the filter and
  // not left out by the operator.
  bool chosen(size_t i) const;
  bool leftOut(size_t i) const { return leftOut_.count(files_[i].path) > 0; }
  void setLeftOut(size_t i, bool out);
  // Every team name of the readable files, in alphabetical order.
  std::vector<std::string> teams() const;
  // The season's team: the filter's, else the one in most files.
  const std::string& team() const { return figures_.team; }
  const SeasonFigures& figures() const { return figures_; }
  std::vector<const SeasonFile*> chosenFiles() const;

  // The players' joins and parts, written to the data folder at once.
  // Throw SaveError, the choice then left as it was.
  const PlayerChoices& choices() const { return choices_; }
  void join(const std::string& entry, const std::string& into);
  void togglePart(const std::string& entry, const std::string& match);
  void unjoin(const std::string& person);
  // Lines of the choices' file that could not be read.
  const std::vector<std::string>& choiceProblems() const { return problems_; }

 private:
  void change(PlayerChoices next);
  void refigure();

  std::filesystem::path dataFolder_;
  std::vector<std::filesystem::path> folders_;
  std::vector<FileIdentity> heldHere_;
  std::vector<SeasonFile> files_;
  SeasonFilter filter_;
  std::set<std::filesystem::path> leftOut_;
  PlayerChoices choices_;
  std::vector<std::string> problems_;
  SeasonFigures figures_;
};
