// The rows of a match file (schema.h) written from and read into the match
// and the screen. Reading checks every value, so a damaged file is refused
// rather than shown.
#pragma once

#include <cstdint>
#include <string>

#include "match.h"
#include "sqlite_db.h"
#include "stored_screen.h"

// What a match file holds: the match, the screen, and about the file.
struct StoredMatch {
  MatchState match;
  StoredScreen screen;
  std::string started;     // local date and time the file was made, "YYYY-MM-DD hh:mm:ss"
  int64_t lastStepMs = 0;  // when the last step was kept, in ms since 1970
  bool ended = false;      // the match ended through the team sheet's close box
};

// Statements that write the rows, every column named; parameter n binds
// the nth column named, and the readers select the same columns in the
// same order (after the key, column 0, where a row has one).
namespace rows {
extern const std::string kReplaceMatch;
extern const std::string kReplaceRoster;
extern const std::string kReplaceNote;
extern const std::string kReplaceEvent;
extern const std::string kInsertGoalkeeperChange;
extern const std::string kInsertEdit;
extern const std::string kInsertSavedFile;
extern const std::string kReplaceClockRun;
extern const std::string kInsertSyncPoint;

struct Header {
  std::string started;
  int64_t lastStepMs = 0;
  bool ended = false;
};
void bindMatch(Statement& s, const Header& h, const Match& m, const StoredScreen& screen);
void bindRosterLine(Statement& s, TeamId team, int slot, const RosterLine& line);
void bindEvent(Statement& s, int position, const Event& e);
void bindEdit(Statement& s, int stack, int position, const EventEdit& edit);
void bindGoalkeeperChange(Statement& s, int position, const GoalkeeperChange& c);
void bindClockRun(Statement& s, int position, const ClockRun& r);
void bindSyncPoint(Statement& s, int position, const SyncPoint& p);
}  // namespace rows

// Bounds on what is read from a match file, far above any real match (a
// match of two hours has some 1,500 events and a file under 1 MB): a file
// beyond them was made by someone else, and is refused as damaged rather
// than read for minutes. A text longer than a line edit can hold (32,767
// characters of at most three bytes) was never typed.
inline constexpr int64_t kMaxFileBytes = 32 << 20;  // the file and its log
inline constexpr int kMaxValueBytes = 1 << 20;      // one value, or one row
inline constexpr size_t kMaxTextBytes = 3 * 32767;
inline constexpr size_t kMaxEvents = 10'000;
inline constexpr size_t kMaxEdits = 10'000;  // undoable and redoable, together
inline constexpr size_t kMaxSavedFiles = 1'000;
inline constexpr size_t kMaxGoalkeeperChanges = 10'000;
inline constexpr size_t kMaxClockRuns = 10'000;
inline constexpr double kLongestVideo = 7 * 86400.0;  // seconds
inline constexpr int kLongestClipPart = 600;          // a clip's lead or tail, seconds

// Reads the whole file; a value out of range, or beyond the bounds above,
// throws StoreError (Damaged).
StoredMatch readStoredMatch(Database& db, const std::string& path);
