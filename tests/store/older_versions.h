// Match files of this version taken back to the versions earlier programs
// kept, and raw access to a file's tables to do it.
#pragma once

#include <sqlite3.h>

#include <filesystem>

#include "sqlite_db.h"

// Runs SQL on a match file not held by anyone, outside the store.
inline void tamper(const std::filesystem::path& path, const char* sql) {
  Database db(path.string(), SQLITE_OPEN_READWRITE);
  db.exec(sql);
}

// Takes a file back to version 5: without times of day, the video and the
// clock's runs.
constexpr const char* kBackToVersion5 =
    "ALTER TABLE events DROP COLUMN picked_at; ALTER TABLE events DROP COLUMN video_at;"
    "ALTER TABLE edits DROP COLUMN b_picked_at; ALTER TABLE edits DROP COLUMN a_picked_at;"
    "ALTER TABLE edits DROP COLUMN b_video_at; ALTER TABLE edits DROP COLUMN a_video_at;"
    "ALTER TABLE match DROP COLUMN entry_picked_at; ALTER TABLE match DROP COLUMN entry_video_at;"
    "ALTER TABLE match DROP COLUMN video_path; ALTER TABLE match DROP COLUMN video_position;"
    "ALTER TABLE match DROP COLUMN clock_follows_video;"
    "ALTER TABLE match DROP COLUMN clip_lead; ALTER TABLE match DROP COLUMN clip_tail;"
    "DROP TABLE clock_runs; DROP TABLE sync_points;"
    "PRAGMA user_version = 5;";
// And on to version 4: without the written report of a
// disqualification.
constexpr const char* kBackToVersion4 =
    "ALTER TABLE events DROP COLUMN written_report;"
    "ALTER TABLE edits DROP COLUMN b_written_report; ALTER TABLE edits DROP COLUMN "
    "a_written_report;"
    "PRAGMA user_version = 4;";
// And on to version 3: without the facts analysts add to an
// event, the goalkeepers and their changes.
constexpr const char* kBackToVersion3 =
    "ALTER TABLE events DROP COLUMN outcome; ALTER TABLE events DROP COLUMN attack;"
    "ALTER TABLE events DROP COLUMN assist; ALTER TABLE events DROP COLUMN goalkeeper;"
    "ALTER TABLE edits DROP COLUMN b_outcome; ALTER TABLE edits DROP COLUMN b_attack;"
    "ALTER TABLE edits DROP COLUMN b_assist; ALTER TABLE edits DROP COLUMN b_goalkeeper;"
    "ALTER TABLE edits DROP COLUMN a_outcome; ALTER TABLE edits DROP COLUMN a_attack;"
    "ALTER TABLE edits DROP COLUMN a_assist; ALTER TABLE edits DROP COLUMN a_goalkeeper;"
    "ALTER TABLE roster DROP COLUMN goalkeeper; DROP TABLE goalkeeper_changes;"
    "PRAGMA user_version = 3;";
// And on to version 2: without the analysis window's choice.
constexpr const char* kBackToVersion2 =
    "ALTER TABLE match DROP COLUMN analysis_team;"
    "ALTER TABLE match DROP COLUMN analysis_slot;"
    "PRAGMA user_version = 2;";
// And on to version 1: without halves and the files' names.
constexpr const char* kBackToVersion1 =
    "ALTER TABLE match DROP COLUMN half_minutes;"
    "ALTER TABLE match DROP COLUMN overtime;"
    "ALTER TABLE match DROP COLUMN time_out_rule;"
    "ALTER TABLE match DROP COLUMN clock_period;"
    "ALTER TABLE match DROP COLUMN clock_period_over;"
    "ALTER TABLE match DROP COLUMN entry_period;"
    "ALTER TABLE events DROP COLUMN period;"
    "ALTER TABLE edits DROP COLUMN b_period;"
    "ALTER TABLE edits DROP COLUMN a_period;"
    "ALTER TABLE saved_files DROP COLUMN path;"
    "PRAGMA user_version = 1;";

// Takes a file of this version back to `version`, one version at a time.
inline void backTo(const std::filesystem::path& path, int version) {
  const char* const steps[] = {kBackToVersion5, kBackToVersion4, kBackToVersion3, kBackToVersion2,
                               kBackToVersion1};
  for (int v = 5; v >= version; --v) tamper(path, steps[5 - v]);
}
