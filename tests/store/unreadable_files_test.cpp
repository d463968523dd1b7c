// At start-up: which matches are offered for bringing back, and the files
// that cannot be read, which are never offered, never changed or deleted,
// and whose reason is told.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "match_listing.h"
#include "schema.h"
#include "scratch_folder.h"
#include "store_files.h"

namespace {

namespace fs = std::filesystem;

void writeBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string reasonFor(const MatchListing& l, const fs::path& path) {
  for (const UnreadableMatch& u : l.unreadable)
    if (u.path == path) return u.reason;
  return "(not listed as unreadable)";
}

TEST(Restorable, OnlyMatchesThatDidNotEndProperlyAreOfferedWithTeamsEventsAndLastStep) {
  ScratchFolder folder;
  const fs::path data = folder.path() / "data";
  EXPECT_TRUE(listRestorable(data).restorable.empty());  // no folder yet

  const auto before = std::chrono::system_clock::now() - std::chrono::seconds(1);
  const fs::path left = leftMatch(data, 40);
  const int recorded = [] {  // the events those steps completed
    const StepPlan plan = planOf(testDataPath("full_match.match"), false);
    ScriptedMatch m;
    plan.attach(m.match);
    playSteps(plan, m.screen, 0, 40);
    return static_cast<int>(m.match.events().size());
  }();
  ASSERT_GT(recorded, 0);
  {
    MatchFile ended = MatchFile::create(data);
    ScriptedMatch m;
    ended.commit(m.match, storedScreen(m.screen));
    ended.markEndedCleanly();
  }
  const MatchListing l = listRestorable(data);
  ASSERT_EQ(l.restorable.size(), 1u);
  EXPECT_TRUE(l.unreadable.empty());
  const RestorableMatch& r = l.restorable[0];
  EXPECT_EQ(r.path, left);
  EXPECT_EQ(r.teams[0], "ルビナ大学");
  EXPECT_EQ(r.teams[1], "北方クラブ");
  EXPECT_EQ(r.events, recorded);
  EXPECT_GE(r.lastStep, before);
  EXPECT_LE(r.lastStep, std::chrono::system_clock::now());
  // The ended match was moved aside, where start-up does not look.
  EXPECT_EQ(folder.entries(data / kEndedFolder).size(), 1u);
  EXPECT_EQ(folder.entries(data).size(), 2u);  // the match left, the folder "ended"
}

TEST(Restorable, FilesThatCannotBeReadAreToldNeverOfferedAndLeftAsTheyWere) {
  ScratchFolder folder;
  const fs::path data = folder.path() / "data";
  const fs::path good = leftMatch(data, 60);
  const std::string goodBytes = readFileBytes(good);

  std::map<fs::path, std::string> expected;  // path and a word of its reason
  auto copyAs = [&](const std::string& name) {
    const fs::path path = data / name;
    writeBytes(path, goodBytes);
    return path;
  };
  // A damaged file is told so in the operator's words, with its name.
  auto damaged = [&](const std::string& name) {
    const fs::path path = copyAs(name);
    expected[path] = "試合の記録ファイルが壊れています (" + path.string() + ")";
    return path;
  };
  fs::resize_file(damaged("truncated.hbmatch"), goodBytes.size() / 2);
  {
    // SQLite's own header, its fields written over: no database to SQLite,
    // but a match file that was damaged.
    std::fstream f(damaged("header.hbmatch"), std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(16);
    f << std::string(84, '\xff');
  }
  writeBytes(data / "text.hbmatch", "event 1 1 得点 右サイド 左上\n");
  expected[data / "text.hbmatch"] = "ではありません";
  writeBytes(data / "empty.hbmatch", "");
  expected[data / "empty.hbmatch"] = "ではありません";
  expected[copyAs("newer.hbmatch")] = "新しい版";
  tamper(data / "newer.hbmatch",
         ("PRAGMA user_version = " + std::to_string(kSchemaVersion + 1)).c_str());
  expected[copyAs("foreign.hbmatch")] = "ではありません";
  tamper(data / "foreign.hbmatch", "PRAGMA application_id = 7");
  tamper(damaged("bad_event.hbmatch"), "UPDATE events SET action = 9 WHERE position = 3");
  damaged("overwritten.hbmatch");
  {
    // The page of the events, written over.
    int64_t page = 0;
    {
      Database db((data / "overwritten.hbmatch").string(), SQLITE_OPEN_READONLY);
      page = db.queryInteger("SELECT rootpage FROM sqlite_schema WHERE name = 'events'");
    }
    std::fstream f(data / "overwritten.hbmatch", std::ios::in | std::ios::out | std::ios::binary);
    f.seekp((page - 1) * 4096);
    f << std::string(4096, 'x');
  }

  std::map<fs::path, std::string> bytes;
  for (const auto& [path, word] : expected) bytes[path] = readFileBytes(path);

  const MatchListing l = listRestorable(data);
  ASSERT_EQ(l.restorable.size(), 1u);
  EXPECT_EQ(l.restorable[0].path, good);
  EXPECT_EQ(l.unreadable.size(), expected.size());
  for (const auto& [path, word] : expected) {
    EXPECT_NE(reasonFor(l, path).find(word), std::string::npos)
        << path.filename() << ": " << reasonFor(l, path);
    EXPECT_NE(reasonFor(l, path).find(path.string()), std::string::npos);
    EXPECT_TRUE(fs::exists(path)) << path;
    EXPECT_EQ(readFileBytes(path), bytes[path]) << path.filename() << " was changed";
  }
  std::ostringstream told;
  reportUnreadable(l, told);
  const std::string lines = told.str();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), static_cast<long>(expected.size()));
}

// Anyone can send a match file: one made to keep the program busy is
// refused as damaged, at start-up and when opened, and left as it was.
TEST(Restorable, CraftedFilesBeyondAnyRealMatchAreRefusedAsDamagedAtOnce) {
  ScratchFolder folder;
  const std::string goodBytes = readFileBytes(leftMatch(folder.path() / "good", 60));
  const char* const crafted[][2] = {
      {"long_name",
       "UPDATE events SET name = replace(hex(zeroblob(10000000)), '0', 'x')"
       " WHERE position = 3"},
      {"name_no_one_typed", "UPDATE match SET team1 = replace(hex(zeroblob(50000)), '0', 'x')"},
      {"many_events",
       "WITH RECURSIVE n(i) AS (SELECT (SELECT max(position) + 1 FROM events)"
       " UNION ALL SELECT i + 1 FROM n WHERE i < 12000)"
       " INSERT INTO events (position, team, slot, clock, number, name, action, place, detail,"
       " period) SELECT i, team, slot, clock, number, name, action, place, detail, period"
       " FROM n, events WHERE events.position = 0"},
      {"many_edits",
       "WITH RECURSIVE n(i) AS (SELECT 100000 UNION ALL SELECT i + 1 FROM n WHERE i < 112000)"
       " INSERT INTO edits (stack, position, kind, at, b_team, b_slot, b_clock, b_number, b_name,"
       " b_action, b_place, b_detail, a_team, a_slot, a_clock, a_number, a_name, a_action,"
       " a_place, a_detail) SELECT 0, i, 3, 0, 0, 0, 0, '', '', 0, 0, 0, team, slot, clock,"
       " number, name, action, place, detail FROM n, events WHERE events.position = 0"},
      {"huge_file", "CREATE TABLE pad (x); INSERT INTO pad VALUES (zeroblob(40000000))"},
      {"trigger", "CREATE TRIGGER t AFTER INSERT ON events BEGIN SELECT 1; END"},
  };
  for (const auto& [name, sql] : crafted) {
    const fs::path data = folder.path() / name;
    fs::create_directories(data);
    const fs::path path = data / "m.hbmatch";
    writeBytes(path, goodBytes);
    tamper(path, sql);
    const std::string bytes = readFileBytes(path);
    const std::string damaged = "試合の記録ファイルが壊れています (" + path.string() + ")";

    const MatchListing l = listRestorable(data);
    ASSERT_EQ(l.unreadable.size(), 1u) << name;
    EXPECT_NE(l.unreadable[0].reason.find(damaged), std::string::npos) << l.unreadable[0].reason;
    ScriptedMatch m;
    try {
      importFrom(path, folder.path() / "opened", m.match, m.screen);
      ADD_FAILURE() << name << " opened";
    } catch (const StoreError& e) {
      EXPECT_EQ(e.problem(), StoreProblem::Damaged) << e.what();
    }
    EXPECT_TRUE(m.match.events().empty());
    EXPECT_EQ(readFileBytes(path), bytes) << name << " was changed";
  }
  EXPECT_FALSE(fs::exists(folder.path() / "opened"));
}

TEST(Restorable, AMatchInUseIsToldByItsTeamsAndLastStepAndNotOffered) {
  ScratchFolder folder;
  const fs::path path = leftMatch(folder.path(), 20);
  MatchFile held = MatchFile::open(path);
  const StoredMatch st = held.load();
  const MatchListing l = listRestorable(folder.path());
  EXPECT_TRUE(l.restorable.empty());
  EXPECT_TRUE(l.unreadable.empty());
  // Told with what names it, as it stood at its last step.
  ASSERT_EQ(l.inUse.size(), 1u);
  EXPECT_EQ(l.inUse[0].path, path);
  EXPECT_EQ(l.inUse[0].teams[0], "ルビナ大学");
  EXPECT_EQ(l.inUse[0].events, static_cast<int>(st.match.events.size()));
  EXPECT_EQ(l.inUse[0].lastStep.time_since_epoch(), std::chrono::milliseconds(st.lastStepMs));
}

}  // namespace
