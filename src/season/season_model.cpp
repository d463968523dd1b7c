#include "season_model.h"

#include <algorithm>

namespace fs = std::filesystem;

SeasonModel::SeasonModel(fs::path dataFolder, std::vector<fs::path> folders,
                         std::vector<FileIdentity> heldHere)
    : dataFolder_(std::move(dataFolder)), folders_(std::move(folders)) {
  choices_ = readPlayerChoices(dataFolder_ / kPlayerChoicesFile, &problems_);
  reload(std::move(heldHere));
}

void SeasonModel::addFolder(const fs::path& folder) {
  if (std::find(folders_.begin(), folders_.end(), folder) == folders_.end())
    folders_.push_back(folder);
  reload(heldHere_);
}

void SeasonModel::removeFolder(const fs::path& folder) {
  if (folder == dataFolder_) return;
  folders_.erase(std::remove(folders_.begin(), folders_.end(), folder), folders_.end());
  reload(heldHere_);
}

void SeasonModel::reload(std::vector<FileIdentity> heldHere) {
  heldHere_ = std::move(heldHere);
  files_ = listSeasonFiles(folders_, heldHere_);
  refigure();
}

void SeasonModel::setFilter(SeasonFilter filter) {
  filter_ = std::move(filter);
  refigure();
}

bool SeasonModel::chosen(size_t i) const {
  return filter_.admits(files_[i]) && !leftOut(i);
}

void SeasonModel::setLeftOut(size_t i, bool out) {
  if (out)
    leftOut_.insert(files_[i].path);
  else
    leftOut_.erase(files_[i].path);
  refigure();
}

std::vector<std::string> SeasonModel::teams() const {
  std::set<std::string> names;
  for (const SeasonFile& f : files_)
    if (f.readable())
      for (const std::string& typed : f.teams)
        if (!seasonName(typed).empty()) names.insert(seasonName(typed));
  return {names.begin(), names.end()};
}

std::vector<const SeasonFile*> SeasonModel::chosenFiles() const {
  std::vector<const SeasonFile*> chosenOnes;
  for (size_t i = 0; i < files_.size(); ++i)
    if (chosen(i)) chosenOnes.push_back(&files_[i]);
  return chosenOnes;
}

void SeasonModel::join(const std::string& entry, const std::string& into) {
  PlayerChoices next = choices_;
  next.join(team(), entry, into);
  change(std::move(next));
}

void SeasonModel::togglePart(const std::string& entry, const std::string& match) {
  PlayerChoices next = choices_;
  next.togglePart(team(), entry, match);
  change(std::move(next));
}

void SeasonModel::unjoin(const std::string& person) {
  PlayerChoices next = choices_;
  next.unjoin(team(), person);
  change(std::move(next));
}

void SeasonModel::change(PlayerChoices next) {
  if (next == choices_) return;
  writePlayerChoices(dataFolder_ / kPlayerChoicesFile, next);
  choices_ = std::move(next);
  refigure();
}

void SeasonModel::refigure() {
  const std::string team = filter_.team.empty() ? mostFrequentTeam(files_) : filter_.team;
  figures_ = seasonFigures(chosenFiles(), team, choices_);
}
