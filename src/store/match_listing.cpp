#include "match_listing.h"

#include <algorithm>
#include <ostream>

#include "match_file.h"
#include "match_rows.h"

MatchListing listRestorable(const std::filesystem::path& folder) {
  MatchListing listing;
  std::error_code error;
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (entry.path().extension() == kMatchFileExtension) paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());

  for (const std::filesystem::path& path : paths) {
    try {
      MatchFile file = MatchFile::open(path);
      StoredMatch st = file.load();
      if (st.ended) continue;
      listing.restorable.push_back(
          {path,
           {st.match.teams[0].name, st.match.teams[1].name},
           static_cast<int>(st.match.events.size()),
           std::chrono::system_clock::time_point(std::chrono::milliseconds(st.lastStepMs))});
    } catch (const StoreError& e) {
      listing.unreadable.push_back({path, e.what()});
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
