#include "match_writer.h"

#include <chrono>

namespace {
int64_t nowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}
}  // namespace

MatchWriter::MatchWriter(Database db, Durability durability, const std::string& path)
    : db_(std::move(db)), durability_(durability) {
  if (durability == Durability::Background)
    flusher_ = std::make_unique<BackgroundSync>(path + "-wal");
}

void MatchWriter::chooseSync(const Match& m) {
  const bool full = durability_ == Durability::EveryStep ||
                    (durability_ == Durability::EveryEvent && !m.entry().open());
  if (int{full} == syncing_) return;
  // Not a prepared statement: SQLite settles this pragma when it compiles it.
  db_.exec(full ? "PRAGMA synchronous = FULL" : "PRAGMA synchronous = NORMAL");
  syncing_ = full;
}

void MatchWriter::commit(const Match& m, const StoredScreen& screen) {
  try {
    chooseSync(m);
    begin_.run();
    write(m, screen);
    commit_.run();
  } catch (const SqliteError&) {
    if (db_.inTransaction()) {
      try {
        rollback_.run();
      } catch (const SqliteError&) {
        // Rolled back by SQLite already, or it will be when the file closes.
      }
    }
    throw;
  }
  assumeWritten(m, screen);
  if (flusher_) flusher_->request();
}

void MatchWriter::write(const Match& m, const StoredScreen& screen) {
  header_.lastStepMs = nowMs();
  header_.ended = false;
  rows::bindMatch(replaceMatch_, header_, m, screen);
  replaceMatch_.run();
  for (TeamId t : kBothTeams)
    for (int slot = 0; slot < kRosterLines; ++slot) {
      const RosterLine& line = m.team(t).lines[slot];
      if (mirror_.valid && mirror_.teams[teamIndex(t)].lines[slot] == line) continue;
      rows::bindRosterLine(replaceRoster_, t, slot, line);
      replaceRoster_.run();
    }
  for (int line = 0; line < kRosterLines; ++line) {
    if (mirror_.valid && mirror_.notes[line] == screen.notes[line]) continue;
    replaceNote_.bind(1, line).bind(2, screen.notes[line]).run();
  }
  const bool appended = mirror_.valid && mirror_.match == &m &&
                        mirror_.rewrites == m.eventsRewritten() &&
                        mirror_.events <= m.events().size();
  size_t from = appended ? mirror_.events : 0;
  if (appended && from > 0 && mirror_.factsChanges != m.lastFactsChanges()) --from;
  writeEvents(m, from);
  // Changes are only ever added; a restored match is written whole.
  const auto& changes = m.goalkeeperChanges();
  size_t written = mirror_.goalkeeperChanges;
  if (!mirror_.valid || mirror_.match != &m || changes.size() < written) {
    deleteGoalkeeperChanges_.run();
    written = 0;
  }
  for (size_t i = written; i < changes.size(); ++i) {
    rows::bindGoalkeeperChange(insertGoalkeeperChange_, static_cast<int>(i), changes[i]);
    insertGoalkeeperChange_.run();
  }
  writeVideo(m);
  if (!mirror_.valid || mirror_.savedFiles != m.savedFiles()) {
    deleteSavedFiles_.run();
    for (const SavedFile& f : m.savedFiles())
      insertSavedFile_.bind(1, static_cast<int64_t>(f.identity.device))
          .bind(2, static_cast<int64_t>(f.identity.inode))
          .bind(3, f.path)
          .run();
  }
}

// From `from` on; from 0, the edit history is written again with them.
void MatchWriter::writeEvents(const Match& m, size_t from) {
  if (from == 0) {
    deleteEvents_.run();
    deleteEdits_.run();
    const EditHistory& h = m.history();
    for (int stack = 0; stack < 2; ++stack) {
      const auto& edits = stack == 0 ? h.done : h.undone;
      for (size_t i = 0; i < edits.size(); ++i) {
        rows::bindEdit(insertEdit_, stack, static_cast<int>(i), edits[i]);
        insertEdit_.run();
      }
    }
  }
  const std::vector<Event>& events = m.events();
  for (size_t i = from; i < events.size(); ++i) {
    rows::bindEvent(insertEvent_, static_cast<int>(i), events[i]);
    insertEvent_.run();
  }
}

// Runs are added, and the last one is closed: written from the first that
// differs. The few sync points are written again whenever they change.
void MatchWriter::writeVideo(const Match& m) {
  const auto& runs = m.clockRuns();
  const auto& kept = mirror_.clockRuns;
  size_t from = 0;
  if (mirror_.valid && kept.size() <= runs.size()) {
    while (from < kept.size() && kept[from] == runs[from]) ++from;
  } else {
    deleteClockRuns_.run();
  }
  for (size_t i = from; i < runs.size(); ++i) {
    rows::bindClockRun(replaceClockRun_, static_cast<int>(i), runs[i]);
    replaceClockRun_.run();
  }
  const auto& points = m.video().points;
  if (mirror_.valid && mirror_.syncPoints == points) return;
  deleteSyncPoints_.run();
  for (size_t i = 0; i < points.size(); ++i) {
    rows::bindSyncPoint(insertSyncPoint_, static_cast<int>(i), points[i]);
    insertSyncPoint_.run();
  }
}

void MatchWriter::assumeWritten(const Match& m, const StoredScreen& screen) {
  for (TeamId t : kBothTeams)
    if (!mirror_.valid || !(mirror_.teams[teamIndex(t)] == m.team(t)))
      mirror_.teams[teamIndex(t)] = m.team(t);
  mirror_.notes = screen.notes;
  if (!mirror_.valid || mirror_.savedFiles != m.savedFiles()) mirror_.savedFiles = m.savedFiles();
  mirror_.match = &m;
  mirror_.rewrites = m.eventsRewritten();
  mirror_.factsChanges = m.lastFactsChanges();
  mirror_.events = m.events().size();
  mirror_.goalkeeperChanges = m.goalkeeperChanges().size();
  if (mirror_.clockRuns != m.clockRuns()) mirror_.clockRuns = m.clockRuns();
  if (mirror_.syncPoints != m.video().points) mirror_.syncPoints = m.video().points;
  mirror_.valid = true;
}

void MatchWriter::writeAll(const Match& m, const StoredScreen& screen) {
  mirror_.valid = false;
  write(m, screen);
  assumeWritten(m, screen);
}

void MatchWriter::markEnded() {
  markEnded_.bind(1, nowMs()).run();
}
