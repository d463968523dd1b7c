#include "schema.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "periods.h"
#include "sqlite_db.h"

namespace {

// Step i brings a file from version i to version i + 1. A new file is at
// version 0, so the first step makes every table.
constexpr std::array<const char*, kSchemaVersion> kSteps = {
    // Version 1. One row of the match: the names and boxes, the clock, the
    // event being entered and the windows; the roster lines and the grid's
    // separator column by line; the recorded events in order; the edits
    // that can be undone (stack 0) and redone (stack 1), each with the
    // event before and after; the files the saves wrote.
    R"sql(
CREATE TABLE match (
  id INTEGER PRIMARY KEY CHECK (id = 1),
  started TEXT NOT NULL,
  last_step INTEGER NOT NULL,
  ended INTEGER NOT NULL,
  file_stem TEXT NOT NULL,
  export_prefix TEXT NOT NULL,
  team1 TEXT NOT NULL,
  team2 TEXT NOT NULL,
  unsaved INTEGER NOT NULL,
  clock_started INTEGER NOT NULL,
  clock_running INTEGER NOT NULL,
  clock_started_at REAL NOT NULL,
  clock_paused_at REAL NOT NULL,
  clock_paused_total REAL NOT NULL,
  clock_shown INTEGER NOT NULL,
  entry_stage INTEGER NOT NULL,
  entry_correctable INTEGER NOT NULL,
  entry_team INTEGER NOT NULL,
  entry_slot INTEGER NOT NULL,
  entry_clock INTEGER NOT NULL,
  entry_number TEXT NOT NULL,
  entry_name TEXT NOT NULL,
  entry_action INTEGER NOT NULL,
  entry_place INTEGER NOT NULL,
  entry_detail INTEGER NOT NULL,
  screen_visible INTEGER NOT NULL,
  screen_front TEXT NOT NULL,
  roster_carried INTEGER NOT NULL,
  splash_shown INTEGER NOT NULL
);
CREATE TABLE roster (
  team INTEGER NOT NULL,
  slot INTEGER NOT NULL,
  number TEXT NOT NULL,
  name TEXT NOT NULL,
  goals TEXT NOT NULL,
  warnings TEXT NOT NULL,
  suspensions TEXT NOT NULL,
  disqualifications TEXT NOT NULL,
  PRIMARY KEY (team, slot)
) WITHOUT ROWID;
CREATE TABLE notes (line INTEGER PRIMARY KEY, text TEXT NOT NULL);
CREATE TABLE events (
  position INTEGER PRIMARY KEY,
  team INTEGER NOT NULL, slot INTEGER NOT NULL, clock INTEGER NOT NULL,
  number TEXT NOT NULL, name TEXT NOT NULL,
  action INTEGER NOT NULL, place INTEGER NOT NULL, detail INTEGER NOT NULL
);
CREATE TABLE edits (
  stack INTEGER NOT NULL,
  position INTEGER NOT NULL,
  kind INTEGER NOT NULL,
  at INTEGER NOT NULL,
  b_team INTEGER NOT NULL, b_slot INTEGER NOT NULL, b_clock INTEGER NOT NULL,
  b_number TEXT NOT NULL, b_name TEXT NOT NULL,
  b_action INTEGER NOT NULL, b_place INTEGER NOT NULL, b_detail INTEGER NOT NULL,
  a_team INTEGER NOT NULL, a_slot INTEGER NOT NULL, a_clock INTEGER NOT NULL,
  a_number TEXT NOT NULL, a_name TEXT NOT NULL,
  a_action INTEGER NOT NULL, a_place INTEGER NOT NULL, a_detail INTEGER NOT NULL,
  PRIMARY KEY (stack, position)
) WITHOUT ROWID;
CREATE TABLE saved_files (device INTEGER NOT NULL, inode INTEGER NOT NULL);
)sql",
    // Version 2. The match as handball plays it: the length of the halves,
    // overtime and the time-out rule; the period the clock is in and
    // whether it stopped at its end; the half of every event; the name
    // each saved file was written under.
    R"sql(
ALTER TABLE match ADD COLUMN half_minutes INTEGER NOT NULL DEFAULT 30;
ALTER TABLE match ADD COLUMN overtime INTEGER NOT NULL DEFAULT 0;
ALTER TABLE match ADD COLUMN time_out_rule INTEGER NOT NULL DEFAULT 0;
ALTER TABLE match ADD COLUMN clock_period INTEGER NOT NULL DEFAULT 1;
ALTER TABLE match ADD COLUMN clock_period_over INTEGER NOT NULL DEFAULT 0;
ALTER TABLE match ADD COLUMN entry_period INTEGER NOT NULL DEFAULT 1;
ALTER TABLE events ADD COLUMN period INTEGER NOT NULL DEFAULT 1;
ALTER TABLE edits ADD COLUMN b_period INTEGER NOT NULL DEFAULT 1;
ALTER TABLE edits ADD COLUMN a_period INTEGER NOT NULL DEFAULT 1;
ALTER TABLE saved_files ADD COLUMN path TEXT NOT NULL DEFAULT '';
)sql",
    // Version 3. The team and the person (0 the whole team) the analysis
    // window shows.
    R"sql(
ALTER TABLE match ADD COLUMN analysis_team INTEGER NOT NULL DEFAULT 1;
ALTER TABLE match ADD COLUMN analysis_slot INTEGER NOT NULL DEFAULT 0;
)sql",
    // Version 4. What analysts add to an event (in events and edits): how a
    // miss ended, the kind of attack, the assist and the goalkeeper it was
    // shot against; the roster lines marked as goalkeepers; each change of
    // the player in goal with its time.
    R"sql(
ALTER TABLE events ADD COLUMN outcome INTEGER NOT NULL DEFAULT 0;
ALTER TABLE events ADD COLUMN attack INTEGER NOT NULL DEFAULT 0;
ALTER TABLE events ADD COLUMN assist INTEGER NOT NULL DEFAULT 0;
ALTER TABLE events ADD COLUMN goalkeeper INTEGER NOT NULL DEFAULT 0;
ALTER TABLE edits ADD COLUMN b_outcome INTEGER NOT NULL DEFAULT 0;
ALTER TABLE edits ADD COLUMN b_attack INTEGER NOT NULL DEFAULT 0;
ALTER TABLE edits ADD COLUMN b_assist INTEGER NOT NULL DEFAULT 0;
ALTER TABLE edits ADD COLUMN b_goalkeeper INTEGER NOT NULL DEFAULT 0;
ALTER TABLE edits ADD COLUMN a_outcome INTEGER NOT NULL DEFAULT 0;
ALTER TABLE edits ADD COLUMN a_attack INTEGER NOT NULL DEFAULT 0;
ALTER TABLE edits ADD COLUMN a_assist INTEGER NOT NULL DEFAULT 0;
ALTER TABLE edits ADD COLUMN a_goalkeeper INTEGER NOT NULL DEFAULT 0;
ALTER TABLE roster ADD COLUMN goalkeeper INTEGER NOT NULL DEFAULT 0;
CREATE TABLE goalkeeper_changes (
  position INTEGER PRIMARY KEY,
  team INTEGER NOT NULL, slot INTEGER NOT NULL, clock INTEGER NOT NULL, period INTEGER NOT NULL
);
)sql",
    // Version 5. Whether a disqualification came with the referees' written
    // report (in events and edits).
    R"sql(
ALTER TABLE events ADD COLUMN written_report INTEGER NOT NULL DEFAULT 0;
ALTER TABLE edits ADD COLUMN b_written_report INTEGER NOT NULL DEFAULT 0;
ALTER TABLE edits ADD COLUMN a_written_report INTEGER NOT NULL DEFAULT 0;
)sql",
    // Version 6. The match's video: each event's time of day at its pick and
    // its video position when recorded from the video (-1: not known, in
    // events, edits and the event being entered); the video file, where it
    // was left, whether the clock follows it, and the clip's lead and tail
    // (seconds); the clock's runs with their times of day (in days; stopped
    // -1 while running); the points that tie the video to the match time.
    R"sql(
ALTER TABLE events ADD COLUMN picked_at REAL NOT NULL DEFAULT -1;
ALTER TABLE events ADD COLUMN video_at REAL NOT NULL DEFAULT -1;
ALTER TABLE edits ADD COLUMN b_picked_at REAL NOT NULL DEFAULT -1;
ALTER TABLE edits ADD COLUMN a_picked_at REAL NOT NULL DEFAULT -1;
ALTER TABLE edits ADD COLUMN b_video_at REAL NOT NULL DEFAULT -1;
ALTER TABLE edits ADD COLUMN a_video_at REAL NOT NULL DEFAULT -1;
ALTER TABLE match ADD COLUMN entry_picked_at REAL NOT NULL DEFAULT -1;
ALTER TABLE match ADD COLUMN entry_video_at REAL NOT NULL DEFAULT -1;
ALTER TABLE match ADD COLUMN video_path TEXT NOT NULL DEFAULT '';
ALTER TABLE match ADD COLUMN video_position REAL NOT NULL DEFAULT 0;
ALTER TABLE match ADD COLUMN clock_follows_video INTEGER NOT NULL DEFAULT 0;
ALTER TABLE match ADD COLUMN clip_lead INTEGER NOT NULL DEFAULT 5;
ALTER TABLE match ADD COLUMN clip_tail INTEGER NOT NULL DEFAULT 3;
CREATE TABLE clock_runs (
  position INTEGER PRIMARY KEY,
  period INTEGER NOT NULL, from_clock REAL NOT NULL,
  started_at REAL NOT NULL, stopped_at REAL NOT NULL
);
CREATE TABLE sync_points (
  position INTEGER PRIMARY KEY,
  video REAL NOT NULL, period INTEGER NOT NULL, clock REAL NOT NULL, time_of_day REAL NOT NULL
);
)sql",
};

// Version 1 kept no halves: after the step to version 2 every time is put
// in the half it falls in, by the halves' length now in the file (the
// defaults, since version 1 had no settings), as the clock would have put it.
void setHalvesFromTimes(Database& db) {
  Periods periods;
  Statement settings = db.prepare("SELECT half_minutes, overtime FROM match WHERE id = 1");
  if (settings.step()) {
    periods.halfMinutes = static_cast<int>(settings.integer(0));
    periods.overtime = settings.integer(1) != 0;
  }
  settings.reset();
  auto half = [&](int64_t seconds) {
    return int64_t{periods.periodAt(static_cast<int>(std::min<int64_t>(seconds, INT32_MAX)))};
  };
  // Read first, written after: the rows are not changed under a reading.
  std::vector<std::pair<int64_t, int64_t>> events;
  Statement readEvents = db.prepare("SELECT position, clock FROM events");
  while (readEvents.step()) events.emplace_back(readEvents.integer(0), readEvents.integer(1));
  Statement writeEvent = db.prepare("UPDATE events SET period = ?1 WHERE position = ?2");
  for (const auto& [position, clock] : events)
    writeEvent.bind(1, half(clock)).bind(2, position).run();

  struct EditTimes {
    int64_t stack, position, before, after;
  };
  std::vector<EditTimes> edits;
  Statement readEdits = db.prepare("SELECT stack, position, b_clock, a_clock FROM edits");
  while (readEdits.step())
    edits.push_back(
        {readEdits.integer(0), readEdits.integer(1), readEdits.integer(2), readEdits.integer(3)});
  Statement writeEdit = db.prepare(
      "UPDATE edits SET b_period = ?1, a_period = ?2 WHERE stack = ?3 AND position = ?4");
  for (const EditTimes& e : edits)
    writeEdit.bind(1, half(e.before))
        .bind(2, half(e.after))
        .bind(3, e.stack)
        .bind(4, e.position)
        .run();

  Statement times = db.prepare("SELECT entry_clock, clock_shown FROM match WHERE id = 1");
  if (!times.step()) return;
  const int64_t entry = times.integer(0), shown = times.integer(1);
  times.reset();
  db.prepare("UPDATE match SET entry_period = ?1, clock_period = ?2 WHERE id = 1")
      .bind(1, half(entry))
      .bind(2, half(shown))
      .run();
}

}  // namespace

void upgradeSchema(Database& db, int fromVersion) {
  for (int v = fromVersion; v < kSchemaVersion; ++v) {
    db.exec(kSteps[v]);
    if (v == 1 && fromVersion == 1) setHalvesFromTimes(db);
  }
  db.exec(("PRAGMA application_id = " + std::to_string(kMatchFileId)).c_str());
  db.exec(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
}
