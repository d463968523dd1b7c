#include "match_listing.h"

#include <algorithm>
#include <ostream>

#include "match_file.h"
#include "match_rows.h"

namespace {

RestorableMatch restorable(const std::filesystem::path& path, const StoredMatch& st) {
  return {path,
          {st.match.teams[0].name, st.match.teams[1].name},
          static_cast<int>(st.match.events.size()),
          std::chrono::system_clock::time_point(std::chrono::milliseconds(st.lastStepMs))};
}

}  // namespace

MatchListing listRestorable(const std::filesystem::path& folder) {
  MatchListing listing;
  std::error_code error;
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (entry.path().extension() == kMatchFileExtension) paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());

  for (const std::filesystem::path& path : paths) {
    try {
      StoredMatch st = MatchFile::open(path).load();
      if (!st.ended) listing.restorable.push_back(restorable(path, st));
    } catch (const StoreError& e) {
      if (e.problem() != StoreProblem::InUse) {
        listing.unreadable.push_back({path, e.what()});
        continue;
      }
      try {
        listing.inUse.push_back(restorable(path, MatchFile::peek(path)));
      } catch (const StoreError&) {
        listing.unreadable.push_back({path, e.what()});
      }
    }
  }
  std::stable_sort(listing.restorable.begin(), listing.restorable.end(),
                   [](const auto& a, const auto& b) { return a.lastStep > b.lastStep; });
  return listing;
}

void reportUnreadable(const MatchListing& listing, std::ostream& out) {
  // One line per file: a reason's detail line follows on the same line.
  for (const UnreadableMatch& u : listing.unreadable) {
    std::string reason = u.reason;
    std::replace(reason.begin(), reason.end(), '\n', ' ');
    out << reason << '\n';
  }
}
