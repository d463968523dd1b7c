// Match files written by earlier versions of the program: opened, they are
// brought up to date and the match comes back, with the values the earlier
// version could not keep at their defaults.
#include <gtest/gtest.h>

#include <algorithm>

#include "match_file.h"
#include "older_versions.h"
#include "schema.h"
#include "scratch_folder.h"
#include "store_files.h"

namespace {

namespace fs = std::filesystem;

// What version 6 added, left out of a file of this version, so that the
// match is the one an earlier version would have kept.
constexpr const char* kWithoutVersion6 =
    "UPDATE events SET picked_at = -1;"
    "UPDATE edits SET b_picked_at = -1, a_picked_at = -1;"
    "UPDATE match SET entry_picked_at = -1, video_path = '', video_position = 0;"
    "DELETE FROM clock_runs; DELETE FROM sync_points;";

struct Restored {
  Match match;
  Screen screen{match};
};

std::unique_ptr<Restored> restore(const fs::path& path) {
  auto r = std::make_unique<Restored>();
  MatchFile file = MatchFile::open(path);
  restoreFrom(file, r->match, r->screen);
  return r;
}

int64_t versionOf(const fs::path& path) {
  Database db(path.string(), SQLITE_OPEN_READONLY);
  return db.queryInteger("PRAGMA user_version");
}

TEST(OlderMatchFiles, AreBroughtUpToDateAndTheMatchComesBack) {
  ScratchFolder folder;
  const fs::path path = leftMatch(folder.path() / "data", 90);
  // The times of day of picks and runs, and the video, gone with version 5.
  {
    const auto timed = restore(path);
    ASSERT_FALSE(timed->match.clockRuns().empty());
    ASSERT_GE(timed->match.events().front().pickedAt, 0);
  }
  tamper(path, kWithoutVersion6);
  const auto now = restore(path);
  ASSERT_FALSE(now->match.events().empty());
  // A pick's time of day moved before midnight by a mended time, as one
  // build kept it: read as not known, and the match still comes back.
  tamper(path, "UPDATE events SET picked_at = -0.0035 WHERE position = 0;");
  EXPECT_TRUE(restore(path)->match.state() == now->match.state());
  tamper(path,
         "UPDATE match SET video_path = 'a.mp4', clip_lead = 9;"
         "INSERT INTO sync_points VALUES (0, 12.5, 1, 0, -1);");
  EXPECT_FALSE(restore(path)->match.state() == now->match.state());
  backTo(path, 5);
  EXPECT_TRUE(restore(path)->match.state() == now->match.state());
  EXPECT_EQ(versionOf(path), kSchemaVersion);

  // A written report of a disqualification, gone with version 4.
  tamper(path, "UPDATE events SET written_report = 1 WHERE action = 6 AND detail = 3;");
  {
    const auto reported = restore(path);
    EXPECT_TRUE(std::ranges::any_of(reported->match.events(),
                                    [](const Event& e) { return e.facts.writtenReport; }));
  }
  backTo(path, 4);
  EXPECT_TRUE(restore(path)->match.state() == now->match.state());
  EXPECT_EQ(versionOf(path), kSchemaVersion);

  // Facts said of events, a goalkeeper and a change, gone with version 3:
  // the match comes back with the defaults.
  tamper(path,
         "UPDATE events SET attack = 1 WHERE action IN (1, 2, 3);"
         "UPDATE roster SET goalkeeper = 1 WHERE slot = 1;"
         "INSERT INTO goalkeeper_changes VALUES (0, 1, 2, 100, 1);");
  EXPECT_FALSE(restore(path)->match.state() == now->match.state());
  backTo(path, 3);
  EXPECT_TRUE(restore(path)->match.state() == now->match.state());
  EXPECT_EQ(versionOf(path), kSchemaVersion);

  backTo(path, 2);
  {
    const auto fromVersion2 = restore(path);
    EXPECT_TRUE(fromVersion2->match.state() == now->match.state());
    EXPECT_TRUE(fromVersion2->screen.state() == now->screen.state());
  }
  EXPECT_EQ(versionOf(path), kSchemaVersion);

  backTo(path, 1);
  // Version 1 knew no halves, only times: every third event is moved on
  // into the second half, one of them to the end of the first, 30:00,
  // which belongs to the first.
  tamper(path,
         "UPDATE events SET clock = clock + 1800 WHERE position % 3 = 2;"
         "UPDATE events SET clock = 1800 WHERE position = 2;");
  const auto fromVersion1 = restore(path);
  EXPECT_EQ(versionOf(path), kSchemaVersion);
  // The events and rosters as they were, each in the half its time falls in
  // with halves of the default length; the settings at their defaults.
  ASSERT_GT(now->match.events().size(), 5u);
  ASSERT_EQ(fromVersion1->match.events().size(), now->match.events().size());
  for (size_t i = 0; i < now->match.events().size(); ++i) {
    Event expected = now->match.events()[i];
    if (i % 3 == 2) expected.clockSeconds += 1800;
    if (i == 2) expected.clockSeconds = 1800;
    expected.period = i % 3 == 2 && i != 2 ? 2 : 1;
    EXPECT_EQ(fromVersion1->match.events()[i], expected) << "event " << i;
  }
  EXPECT_EQ(fromVersion1->match.state().teams, now->match.state().teams);
  EXPECT_TRUE(fromVersion1->match.settings() == MatchSettings{});
}

TEST(OlderMatchFiles, ACopyFromAnEarlierVersionOpensAndIsOnlyRead) {
  ScratchFolder folder;
  const fs::path path = leftMatch(folder.path() / "data", 60);
  tamper(path, kWithoutVersion6);
  const auto now = restore(path);
  const fs::path copy = folder.path() / "saved.hbmatch";
  {
    MatchFile file = MatchFile::open(path);
    file.backupTo(copy.string());
  }
  backTo(copy, 2);

  Restored opened;
  fs::path kept;
  {
    MatchFile imported = importFrom(copy, folder.path() / "elsewhere", opened.match, opened.screen);
    kept = imported.path();
  }
  EXPECT_TRUE(opened.match.state() == now->match.state());
  EXPECT_EQ(versionOf(kept), kSchemaVersion);
  EXPECT_EQ(versionOf(copy), 2);
}

}  // namespace
