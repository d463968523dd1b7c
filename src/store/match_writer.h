// Writes a match and its screen into an open match file, one transaction
// per commit, and remembers what the file holds so that the next commit
// writes only what changed: the match row always, roster lines and notes
// that differ, events added at the end (and the last one again when its
// facts changed), goalkeeper changes; every event and the edit history
// again only after the events were rewritten (an edit, undo, redo, restore).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "background_sync.h"
#include "match_file.h"
#include "match_rows.h"
#include "sqlite_db.h"

class MatchWriter {
 public:
  // `db` holds the tables of the current version.
  MatchWriter(Database db, Durability durability, const std::string& path);

  Database& db() { return db_; }
  rows::Header& header() { return header_; }
  BackgroundSync* flusher() { return flusher_.get(); }
  Durability durability() const { return durability_; }

  // Throws SqliteError; the file then holds the last commit, and the next
  // commit writes everything since that one.
  void commit(const Match& m, const StoredScreen& screen);
  // Everything, inside the caller's transaction (a new file's first).
  void writeAll(const Match& m, const StoredScreen& screen);
  // The file holds `m` and `screen` as they are now.
  void assumeWritten(const Match& m, const StoredScreen& screen);
  void markEnded();

 private:
  void chooseSync(const Match& m);
  void write(const Match& m, const StoredScreen& screen);
  void writeEvents(const Match& m, size_t from);
  void writeVideo(const Match& m);

  Database db_;
  Durability durability_;
  int syncing_ = -1;  // synchronous=FULL (1) or NORMAL (0), unknown at first
  Statement begin_{db_.handle(), "BEGIN IMMEDIATE"};
  Statement commit_{db_.handle(), "COMMIT"};
  Statement rollback_{db_.handle(), "ROLLBACK"};
  Statement replaceMatch_{db_.handle(), rows::kReplaceMatch};
  Statement replaceRoster_{db_.handle(), rows::kReplaceRoster};
  Statement replaceNote_{db_.handle(), rows::kReplaceNote};
  Statement insertEvent_{db_.handle(), rows::kReplaceEvent};
  Statement insertGoalkeeperChange_{db_.handle(), rows::kInsertGoalkeeperChange};
  Statement deleteGoalkeeperChanges_{db_.handle(), "DELETE FROM goalkeeper_changes"};
  Statement insertEdit_{db_.handle(), rows::kInsertEdit};
  Statement insertSavedFile_{db_.handle(), rows::kInsertSavedFile};
  Statement deleteEvents_{db_.handle(), "DELETE FROM events"};
  Statement deleteEdits_{db_.handle(), "DELETE FROM edits"};
  Statement deleteSavedFiles_{db_.handle(), "DELETE FROM saved_files"};
  Statement replaceClockRun_{db_.handle(), rows::kReplaceClockRun};
  Statement deleteClockRuns_{db_.handle(), "DELETE FROM clock_runs"};
  Statement insertSyncPoint_{db_.handle(), rows::kInsertSyncPoint};
  Statement deleteSyncPoints_{db_.handle(), "DELETE FROM sync_points"};
  Statement markEnded_{db_.handle(), "UPDATE match SET ended = 1, last_step = ?"};
  // Stops, after the sync in flight, before the statements and the file close.
  std::unique_ptr<BackgroundSync> flusher_;

  rows::Header header_;

  // What the file holds as of the last commit. The events are known by the
  // match they came from, how many, and how often that match rewrote them.
  struct Mirror {
    bool valid = false;
    const Match* match = nullptr;
    uint64_t rewrites = 0;
    uint64_t factsChanges = 0;
    size_t events = 0;
    size_t goalkeeperChanges = 0;
    std::array<Team, kTeams> teams;
    std::array<std::string, kRosterLines> notes;
    std::vector<SavedFile> savedFiles;
    std::vector<ClockRun> clockRuns;
    std::vector<SyncPoint> syncPoints;
  } mirror_;
};
