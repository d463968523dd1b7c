// The rows of a match file (schema.h) written from and read into the match
// and the screen. Reading checks every value, so a damaged file is refused
// rather than shown.
#pragma once

#include <cstdint>
#include <string>

#include "match.h"
#include "screen.h"
#include "sqlite_db.h"

// What a match file holds: the match, the screen, and about the file.
struct StoredMatch {
  MatchState match;
  ScreenState screen;
  std::string started;     // local date and time the file was made, "YYYY-MM-DD hh:mm:ss"
  int64_t lastStepMs = 0;  // when the last step was kept, in ms since 1970
  bool ended = false;      // the match ended through the team sheet's close box
};

// Statements that write the rows; each binds all of its parameters.
namespace rows {
inline constexpr const char* kReplaceMatch =
    "REPLACE INTO match VALUES "
    "(1,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";
inline constexpr const char* kReplaceRoster = "REPLACE INTO roster VALUES (?,?,?,?,?,?,?,?)";
inline constexpr const char* kReplaceNote = "REPLACE INTO notes VALUES (?,?)";
inline constexpr const char* kInsertEvent = "INSERT INTO events VALUES (?,?,?,?,?,?,?,?,?,?)";
inline constexpr const char* kInsertEdit =
    "INSERT INTO edits VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";
inline constexpr const char* kInsertSavedFile = "INSERT INTO saved_files VALUES (?,?,?)";

struct Header {
  std::string started;
  int64_t lastStepMs = 0;
  bool ended = false;
};
void bindMatch(Statement& s, const Header& h, const Match& m, const ScreenState& screen);
void bindRosterLine(Statement& s, int team, int slot, const RosterLine& line);
void bindEvent(Statement& s, int position, const Event& e);
void bindEdit(Statement& s, int stack, int position, const EventEdit& edit);
}  // namespace rows

// Reads the whole file; a value out of range throws StoreError (Damaged).
StoredMatch readStoredMatch(Database& db, const std::string& path);
