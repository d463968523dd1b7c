// The match files of a season are only read: nothing is written beside
// them, and a file that cannot be read is listed with the reason.
#include "season_files.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "figures.h"
#include "identify.h"
#include "match_rows.h"
#include "older_versions.h"
#include "scratch_folder.h"
#include "season_folder.h"
#include "sqlite_db.h"

namespace {

namespace fs = std::filesystem;

// What is in a folder and its "ended" folder, with each file's size and
// time of change: listing must leave all of it as it was.
std::map<fs::path, std::pair<uintmax_t, fs::file_time_type>> snapshot(const fs::path& folder) {
  std::map<fs::path, std::pair<uintmax_t, fs::file_time_type>> files;
  for (const auto& e : fs::recursive_directory_iterator(folder))
    if (e.is_regular_file()) files[e.path()] = {e.file_size(), e.last_write_time()};
  return files;
}

const SeasonFile& named(const std::vector<SeasonFile>& files, const fs::path& path) {
  for (const SeasonFile& f : files)
    if (f.path == path) return f;
  throw std::runtime_error("not listed: " + path.string());
}

TEST(SeasonFiles, ListsTheFoldersMatchesAndWritesNothingBesideThem) {
  TempFolder data, added;
  const auto example = scriptedMatch("analysis_example", "東高校", "西高校");
  const fs::path ended = keepMatch(*example, data.path(), 3);
  const fs::path unfinished =
      keepMatch(*scriptedMatch("shot_example", "東高校", "南高校"), data.path(), 5, false);
  const fs::path elsewhere =
      keepMatch(*scriptedMatch("full_match", "北方クラブ", "東高校"), added.path(), 1);
  // A copy of the ended match taken before its end: the same match, counted once.
  const fs::path copy = added.path() / "copy.hbmatch";
  fs::copy_file(ended, copy);
  tamper(copy, "UPDATE match SET ended = 0");
  const auto before = snapshot(data.path()), beforeAdded = snapshot(added.path());

  // A folder given twice lists its files once.
  const std::vector<SeasonFile> files =
      listSeasonFiles({data.path(), added.path(), data.path() / ".." / data.path().filename()});
  ASSERT_EQ(files.size(), 4u);
  EXPECT_EQ(files[0].path, elsewhere);  // by the day it began
  const SeasonFile& e = named(files, ended);
  EXPECT_TRUE(e.readable()) << e.problem;
  EXPECT_EQ(named(files, copy).copyOf, ended);
  EXPECT_FALSE(SeasonFilter{}.admits(named(files, copy)));
  EXPECT_TRUE(e.copyOf.empty());
  EXPECT_TRUE(e.ended);
  EXPECT_FALSE(named(files, unfinished).ended);
  EXPECT_EQ(e.teams, (std::array<std::string, 2>{"東高校", "西高校"}));
  const MatchFigures f = matchFigures(*example);
  EXPECT_EQ(e.goals, (std::array<int, 2>{f.teams[0].goals, f.teams[1].goals}));
  EXPECT_EQ(e.events, static_cast<int>(example->events().size()));
  EXPECT_EQ(e.version, 6);
  EXPECT_EQ(e.date(), "2024-01-04");
  EXPECT_EQ(snapshot(data.path()), before);
  EXPECT_EQ(snapshot(added.path()), beforeAdded);
}

TEST(SeasonFiles, TellsWhyAFileCannotBeRead) {
  TempFolder data;
  std::ofstream(data.path() / "notes.hbmatch") << "not a match";
  const fs::path newer = keepMatch(*scriptedMatch("shot_example", "A", "B"), data.path(), 1, false);
  tamper(newer, "PRAGMA user_version = 99");
  const fs::path older = keepMatch(*scriptedMatch("shot_example", "A", "C"), data.path(), 2, false);
  backTo(older, 5);
  const fs::path hidden =
      keepMatch(*scriptedMatch("shot_example", "A", "D"), data.path(), 3, false);
  fs::permissions(hidden, fs::perms::none);
  const bool root = geteuid() == 0;

  const std::vector<SeasonFile> files = listSeasonFiles({data.path()});
  EXPECT_NE(
      named(files, data.path() / "notes.hbmatch").problem.find("試合の記録ファイルではありません"),
      std::string::npos);
  EXPECT_NE(named(files, newer).problem.find("新しい版のプログラムで作られた記録ファイルです"),
            std::string::npos);
  // An older file is brought up to date in memory only.
  EXPECT_TRUE(named(files, older).readable()) << named(files, older).problem;
  EXPECT_EQ(named(files, older).version, 5);
  if (!root) {
    EXPECT_NE(named(files, hidden).problem.find("読み取れません"), std::string::npos)
        << named(files, hidden).problem;
  }
  fs::permissions(hidden, fs::perms::owner_read | fs::perms::owner_write);
  Database db(older.string(), SQLITE_OPEN_READONLY);
  EXPECT_EQ(db.queryInteger("PRAGMA user_version"), 5);
}

TEST(SeasonFiles, AFileBeingRecordedIsInUseAndLeftAlone) {
  TempFolder data;
  const fs::path path = keepMatch(*scriptedMatch("shot_example", "A", "B"), data.path(), 1, false);
  // Another program records it: a child process holds it open.
  int ready[2], done[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(done), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    MatchFile held = MatchFile::open(path, Durability::EveryStep);
    held.load();
    char c = 1;
    if (write(ready[1], &c, 1) != 1) _exit(1);
    if (read(done[0], &c, 1) < 0) _exit(1);
    _exit(0);
  }
  char c = 0;
  ASSERT_EQ(read(ready[0], &c, 1), 1);
  const std::vector<SeasonFile> files = listSeasonFiles({data.path()});
  EXPECT_NE(files.at(0).problem.find("別のプログラムが使用中です"), std::string::npos)
      << files.at(0).problem;
  ASSERT_EQ(write(done[1], &c, 1), 1);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(status, 0);
  for (int fd : {ready[0], ready[1], done[0], done[1]}) close(fd);
  EXPECT_TRUE(listSeasonFiles({data.path()}).at(0).readable());

  // The file this program records is not even opened.
  const auto id = fileIdentity(path.string());
  EXPECT_NE(listSeasonFiles({data.path()}, {*id}).at(0).problem.find("使用中"), std::string::npos);
}

TEST(SeasonFiles, AFileLeftWithItsLogIsReadWholeFromACopy) {
  TempFolder live, left;
  const auto match = scriptedMatch("analysis_example", "東高校", "西高校");
  {
    // The file and its log as a program that stopped leaves them.
    MatchFile file = MatchFile::create(live.path(), seasonDay(2), Durability::EveryStep);
    file.commit(*match, StoredScreen{});
    for (const std::string suffix : {"", "-wal"})
      fs::copy_file(file.path().string() + suffix, left.path() / ("m.hbmatch" + suffix));
  }
  const auto before = snapshot(left.path());
  const std::vector<SeasonFile> files = listSeasonFiles({left.path()});
  ASSERT_TRUE(files.at(0).readable()) << files.at(0).problem;
  EXPECT_EQ(files[0].events, static_cast<int>(match->events().size()));
  EXPECT_EQ(snapshot(left.path()), before);
}

}  // namespace
