// Who is who across the matches of a season. A player of one match is the
// same person as one of another when the team's name and the player's name
// agree, or, for a line with no name, the shirt number ("#7"). The operator
// mends what that rule gets wrong: a join takes one entry into another (a
// name typed two ways, a number that changed), a part takes one match's
// entry out of the person it was merged into (two unnamed #7s).
//
// The choices are kept in a file of their own in the data folder
// (kPlayerChoicesFile), a versioned text of one choice per line, fields
// apart by tabs:
//   handball-players	1
//   join	<team>	<entry>	<into entry>
//   part	<team>	<entry>	<match's start, "YYYY-MM-DD hh:mm:ss">
// A tab, a line break or a backslash in a field is written \t, \n, \\.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "team.h"

inline constexpr const char* kPlayerChoicesFile = "season-players.txt";

// The entry a roster line stands for: its name, or "#" and its number when
// it has no name; empty for a line with neither.
std::string playerEntry(const RosterLine& line);

struct PlayerChoices {
  struct Join {
    std::string team, entry, into;
    bool operator==(const Join&) const = default;
  };
  struct Part {
    std::string team, entry, match;
    bool operator==(const Part&) const = default;
  };
  std::vector<Join> joins;
  std::vector<Part> parts;

  // The person an entry of a team's roster in the match started at `match`
  // counts as: its entry, or the parted entry's own name ("#7 (2024-05-01
  // 14:00:00)"), then followed through the joins.
  std::string personOf(const std::string& team, const std::string& entry,
                       const std::string& match) const;
  // Adds a join of `entry` into `into`; a join of `entry` made before, or
  // one that would lead back to `entry`, is dropped.
  void join(const std::string& team, const std::string& entry, const std::string& into);
  // Parts the entry of one match; asked again, it joins it back.
  void togglePart(const std::string& team, const std::string& entry, const std::string& match);
  // Undoes the joins into and out of `person`.
  void unjoin(const std::string& team, const std::string& person);
  bool operator==(const PlayerChoices&) const = default;
};

// The parted entry's own name.
std::string partedEntry(const std::string& entry, const std::string& match);

// A missing file holds no choices. A line that cannot be read is skipped
// and named in `problems`; a file of a newer version is not read at all.
PlayerChoices readPlayerChoices(const std::filesystem::path& path,
                                std::vector<std::string>* problems = nullptr);
// Written through a ReplacingFile: a cut leaves the older file whole.
// Throws SaveError.
void writePlayerChoices(const std::filesystem::path& path, const PlayerChoices& choices);
