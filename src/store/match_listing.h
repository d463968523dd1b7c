// At start-up: the matches in the data folder that did not end through the
// team sheet's close box, to offer for bringing back, those another copy of
// the program is recording, to tell, and the files that could not be read,
// with the reason, for standard error. Nothing found is
// changed or deleted.
#pragma once

#include <array>
#include <chrono>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

struct RestorableMatch {
  std::filesystem::path path;
  std::array<std::string, 2> teams;
  int events = 0;  // recorded, of both teams
  std::chrono::system_clock::time_point lastStep;
};

struct UnreadableMatch {
  std::filesystem::path path;
  std::string reason;
};

struct MatchListing {
  std::vector<RestorableMatch> restorable;  // the latest step first
  std::vector<UnreadableMatch> unreadable;
  // Being recorded by another copy of the program, as it stood a moment ago.
  std::vector<RestorableMatch> inUse;
};

// The *.hbmatch files directly in `folder`; a missing folder holds none.
MatchListing listRestorable(const std::filesystem::path& folder);

// One line per unreadable file: its path and why.
void reportUnreadable(const MatchListing& listing, std::ostream& out);
