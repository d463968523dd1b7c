// Whole exported files, byte for byte, against files laid out independently
// by data/make_expected.py from the same match scripts.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "cp932_losses.h"
#include "expected_files.h"
#include "export_tables.h"
#include "file_compare.h"
#include "match_script.h"
#include "save_match.h"
#include "scratch_folder.h"

namespace {

const std::string kDefaultStem = "ファイル名";

class SavedFiles : public ::testing::Test {
 protected:
  void playAndSave(const std::string& script) {
    playMatchScript(scripted.screen, testDataPath(script + ".match"));
    saveMatch(m);
  }

  ScratchFolder folder;
  ScriptedMatch scripted;
  Match& m = scripted.match;
};

TEST_F(SavedFiles, NothingRecordedGivesTheFixedLayoutWithDefaultTexts) {
  playAndSave("empty");
  expectFilesOf("empty", kDefaultStem);

  const std::string list = readFileBytes(kDefaultStem + ".xls");
  EXPECT_EQ(lineCount(list), 201u);
  EXPECT_EQ(list.substr(0, list.find('\n') + 1),
            "\x83t\x83@\x83"
            "C\x83\x8b\x96\xbc" +
                std::string(21, '\t') + "\r\n");
  EXPECT_EQ(lineCount(readFileBytes(kDefaultStem + "-shot-.xls")), 401u);
}

TEST_F(SavedFiles, ShotTableExampleCountsGoalsOverShotsAndKeepMisses) {
  playAndSave("shot_example");
  expectFilesOf("shot_example", kDefaultStem);

  const TextTable shots = shotTable(m);
  EXPECT_EQ(shots.cell(1, 34), "'0/1");    // 左４５ / 左外
  EXPECT_EQ(shots.cell(8, 34), "'1/1");    // 左４５ / 右上
  EXPECT_EQ(shots.cell(12, 39), "'1/2");   // line 3's grand total
  EXPECT_EQ(shots.cell(12, 195), "'1/2");  // team 1's grand total
  EXPECT_EQ(shots.cell(22, 23), "3");      // team 2, line 5: keep misses
}

TEST_F(SavedFiles, FullMatchWithEveryKindOfEventForBothTeams) {
  playAndSave("full_match");
  expectFilesOf("full_match", kDefaultStem);
}

TEST_F(SavedFiles, PlaysAreAbbreviatedInTheListFileOnly) {
  playAndSave("full_match");
  const std::string table = readFileBytes(kDefaultStem + "-table-.xls");
  const std::string list = readFileBytes(kDefaultStem + ".xls");
  const std::string shotMiss = "\x83V\x83\x85\x81[\x83g\x83~\x83X";  // シュートミス
  const std::string shortShotMiss = "S\x83~\x83X";                   // Sミス
  EXPECT_NE(table.find("\t" + shotMiss + "\t"), std::string::npos);
  EXPECT_EQ(table.find("\tS\x83~\x83X\t"), std::string::npos);
  EXPECT_EQ(list.find("\t" + shotMiss + "\t"), std::string::npos);
  EXPECT_NE(list.find("\t" + shortShotMiss + "\t"), std::string::npos);
  // A name "シュートミス " with its trailing blank is not the word itself.
  EXPECT_NE(list.find(shotMiss + " \t"), std::string::npos);
  // The table keeps the full texts; only the file is shortened.
  EXPECT_EQ(playerTable(m).cell(2, 2), "シュートミス");
}

TEST_F(SavedFiles, EmptiedStemAndPrefix) {
  playAndSave("blank_stem");
  expectFilesOf("blank_stem", "");
  EXPECT_EQ(shotTable(m).cell(0, 0), "シュート成功率");
  EXPECT_EQ(eventLogTable(m).cell(0, 0), "リスト");
  EXPECT_EQ(shotTable(m).cell(12, 26), "2/5");  // line 2's grand total, no apostrophe
}

TEST_F(SavedFiles, SavingTwiceWritesTheSameBytes) {
  playAndSave("full_match");
  const std::string firstShot = readFileBytes(kDefaultStem + "-shot-.xls");
  const std::string firstList = readFileBytes(kDefaultStem + ".xls");
  saveMatch(m);
  EXPECT_TRUE(sameBytes(readFileBytes(kDefaultStem + "-shot-.xls"), firstShot));
  EXPECT_TRUE(sameBytes(readFileBytes(kDefaultStem + ".xls"), firstList));
  expectFilesOf("full_match", kDefaultStem);
}

TEST_F(SavedFiles, EveryEventOfALongMatchIsWrittenOut) {
  playAndSave("long_match");
  expectFilesOf("long_match", kDefaultStem);

  // 250 events of team 1 in log rows 1 to 250: lines 3 to 252.
  const std::string table = readFileBytes(kDefaultStem + "-table-.xls");
  const std::string list = readFileBytes(kDefaultStem + ".xls");
  EXPECT_EQ(lineCount(table), 253u);
  EXPECT_EQ(lineCount(list), 253u);
  EXPECT_EQ(lineCount(readFileBytes(kDefaultStem + "-shot-.xls")), 401u);
  const Event& last = m.teamEvent(TeamId::One, 249);
  EXPECT_EQ(m.teamEventCount(TeamId::One), 250);
  EXPECT_EQ(eventLogTable(m).cell(0, 252), "'" + logTimeText(last.clockSeconds));
}

TEST_F(SavedFiles, TextsOutsideCp932AndSeparatorsInNames) {
  playAndSave("odd_names");
  expectFilesOf("odd_names", "試合😀");
}

TEST_F(SavedFiles, NewFilesAreReadableByOthersAndOlderFilesKeepTheirMode) {
  const mode_t previousMask = umask(022);
  auto modeOf = [](const std::string& name) {
    struct stat st {};
    stat(name.c_str(), &st);
    return st.st_mode & 07777;
  };
  playAndSave("empty");
  EXPECT_EQ(modeOf(kDefaultStem + "-shot-.xls"), 0644u);
  chmod((kDefaultStem + ".xls").c_str(), 0600);
  saveMatch(m);
  EXPECT_EQ(modeOf(kDefaultStem + ".xls"), 0600u);
  EXPECT_EQ(modeOf(kDefaultStem + "-table-.xls"), 0644u);
  umask(previousMask);
}

}  // namespace

namespace {

TEST_F(SavedFiles, AnotherMatchsFilesAreNamedBeforeTheyAreReplaced) {
  playMatchScript(scripted.screen, testDataPath("shot_example.match"));
  EXPECT_TRUE(foreignTargets(m).empty());  // nothing there yet
  m.markSaved(saveMatch(m));
  EXPECT_TRUE(foreignTargets(m).empty());  // its own files

  ScriptedMatch next;  // a new match after a restart, with the default stem
  EXPECT_EQ(foreignTargets(next.match), savedFileNames(kDefaultStem));
  next.match.fileStem = "other";
  EXPECT_TRUE(foreignTargets(next.match).empty());
}

TEST_F(SavedFiles, TextsCp932CannotHoldAreNamedOnce) {
  playMatchScript(scripted.screen, testDataPath("shot_example.match"));
  EXPECT_EQ(cp932LossNotice(m), "");
  m.team(TeamId::One).lines[3].name = "José Müller 𠮷田";
  m.team(TeamId::Two).name = "équipe €";
  EXPECT_EQ(cp932LossNotice(m),
            "CP932 で表せない文字を ? で保存しました: éü𠮷 (チーム1 3行 氏名)、é€ (チーム2 名前)");
}

}  // namespace
