#include "season_files.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "figures.h"
#include "identify.h"
#include "match_file.h"
#include "match_rows.h"
#include "saved_names.h"

namespace fs = std::filesystem;

namespace {

void addMatchFiles(const fs::path& folder, std::vector<fs::path>& paths) {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.path().extension() == kMatchFileExtension && entry.is_regular_file(error))
      paths.push_back(entry.path());
}

SeasonFile readSeasonFile(const fs::path& path, const std::vector<FileIdentity>& heldHere) {
  SeasonFile f;
  f.path = path;
  try {
    if (const auto id = fileIdentity(path.string());
        id && std::find(heldHere.begin(), heldHere.end(), *id) != heldHere.end())
      throw StoreError(StoreProblem::InUse, path.string());
    StoredMatch st = MatchFile::readOnly(path, &f.version);
    f.started = st.started;
    f.ended = st.ended;
    auto match = std::make_shared<Match>();
    match->restore(std::move(st.match));
    const MatchFigures figures = matchFigures(*match);
    for (TeamId t : kBothTeams) {
      f.teams[teamIndex(t)] = figures.team(t).name;
      f.goals[teamIndex(t)] = figures.team(t).goals;
    }
    f.events = static_cast<int>(match->events().size());
    f.match = std::move(match);
  } catch (const StoreError& e) {
    f.problem = e.what();
    std::replace(f.problem.begin(), f.problem.end(), '\n', ' ');
  }
  return f;
}

// A match copied to another folder would otherwise count twice.
void markCopies(std::vector<SeasonFile>& files) {
  std::map<std::tuple<std::string, std::string, std::string>, size_t> kept;
  for (size_t i = 0; i < files.size(); ++i) {
    const SeasonFile& f = files[i];
    if (!f.readable()) continue;
    const auto [at, first] = kept.try_emplace({f.started, f.teams[0], f.teams[1]}, i);
    const SeasonFile& best = files[at->second];
    if (!first && std::tie(f.ended, f.events) > std::tie(best.ended, best.events)) at->second = i;
  }
  for (size_t i = 0; i < files.size(); ++i) {
    SeasonFile& f = files[i];
    if (!f.readable()) continue;
    const size_t keeper = kept.at({f.started, f.teams[0], f.teams[1]});
    if (keeper != i) f.copyOf = files[keeper].path;
  }
}

}  // namespace

std::string seasonName(const std::string& typed) {
  const std::string fullWidthSpace = "\u3000";
  size_t from = 0, to = typed.size();
  for (bool trimmed = true; trimmed && from < to;) {
    trimmed = false;
    if (typed[from] == ' ' || typed[from] == '\t') {
      ++from, trimmed = true;
    } else if (typed.compare(from, 3, fullWidthSpace) == 0) {
      from += 3, trimmed = true;
    }
    if (from >= to) break;
    if (typed[to - 1] == ' ' || typed[to - 1] == '\t') {
      --to, trimmed = true;
    } else if (to - from >= 3 && typed.compare(to - 3, 3, fullWidthSpace) == 0) {
      to -= 3, trimmed = true;
    }
  }
  return typed.substr(from, to - from);
}

int SeasonFile::sideOf(const std::string& team) const {
  const std::string name = seasonName(team);
  for (TeamId t : kBothTeams)
    if (seasonName(teams[teamIndex(t)]) == name) return teamIndex(t) + 1;
  return 0;
}

std::vector<SeasonFile> listSeasonFiles(const std::vector<fs::path>& folders,
                                        const std::vector<FileIdentity>& heldHere) {
  std::vector<fs::path> paths;
  for (const fs::path& folder : folders) {
    addMatchFiles(folder, paths);
    addMatchFiles(folder / kEndedFolder, paths);
  }
  std::set<fs::path> seen;
  std::vector<SeasonFile> files;
  for (const fs::path& path : paths) {
    std::error_code error;
    const fs::path canonical = fs::weakly_canonical(path, error);
    if (!seen.insert(error ? path : canonical).second) continue;
    files.push_back(readSeasonFile(path, heldHere));
  }
  std::stable_sort(files.begin(), files.end(), [](const SeasonFile& a, const SeasonFile& b) {
    return std::tie(a.started, a.path) < std::tie(b.started, b.path);
  });
  markCopies(files);
  return files;
}

bool SeasonFilter::admits(const SeasonFile& f) const {
  if (!f.readable() || !f.copyOf.empty()) return false;
  const std::string date = f.date();
  if (!from.empty() && date < from) return false;
  if (!to.empty() && date > to) return false;
  const int side = team.empty() ? 0 : f.sideOf(team);
  if (!team.empty() && side == 0) return false;
  if (opponent.empty()) return true;
  if (side != 0) return seasonName(f.teams[side == 1 ? 1 : 0]) == seasonName(opponent);
  return f.sideOf(opponent) != 0;
}

std::string mostFrequentTeam(const std::vector<SeasonFile>& files) {
  std::map<std::string, int> counts;
  std::vector<std::string> order;
  for (const SeasonFile& f : files) {
    if (!f.readable() || !f.copyOf.empty()) continue;
    for (const std::string& typed : f.teams) {
      const std::string name = seasonName(typed);
      if (name.empty()) continue;
      if (counts[name]++ == 0) order.push_back(name);
    }
  }
  std::string best;
  for (const std::string& name : order)
    if (best.empty() || counts[name] > counts[best]) best = name;
  return best;
}
