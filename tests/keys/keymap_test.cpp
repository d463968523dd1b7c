// The keymap file: key names, the default keys, and lines that are not
// taken (malformed, or a key two steps offered at the same time share).
#include "keymap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "key_names.h"

namespace {

int step(const char* name) {
  const auto found = keyStepIndex(name);
  if (!found) throw std::invalid_argument(name);
  return *found;
}

using Keys = std::vector<std::string>;

TEST(KeyNames, AreWrittenTheWayTheToolkitWritesThem) {
  const std::pair<const char*, const char*> cases[] = {
      {"num+7", "Num+7"},
      {"ctrl+s", "Ctrl+S"},
      {" Shift+Ctrl+a ", "Ctrl+Shift+A"},
      {"num+ctrl+meta+alt+shift+7", "Meta+Ctrl+Alt+Shift+Num+7"},
      {"f12", "F12"},
      {"Num++", "Num++"},
      {"+", "+"},
      {"Ctrl+,", "Ctrl+,"},
      {"backspace", "Backspace"},
      {"PGUP", "PgUp"},
      {"Num+Enter", "Num+Enter"},
      {"¥", "¥"},
      {"zenkaku hankaku", "Zenkaku Hankaku"},
  };
  for (const auto& [written, canonical] : cases)
    EXPECT_EQ(canonicalKeyName(written), std::optional<std::string>(canonical)) << written;
  for (const char* bad : {"", "F0", "F36", "Ctrl+", "Ctrl+Ctrl+A", "Hyper+A", "AB", "Escape", "++",
                          "Num+", "Ctrl++A", "\t"})
    EXPECT_EQ(canonicalKeyName(bad), std::nullopt) << bad;
}

TEST(DefaultKeymap, StepsOfferedTogetherShareNoKeyAndTheFileReadsBack) {
  const Keymap defaults;
  std::set<std::string> names;
  for (size_t i = 0; i < keySteps().size(); ++i) {
    EXPECT_TRUE(names.insert(keySteps()[i].name).second) << keySteps()[i].name;
    EXPECT_EQ(defaults.clashOf(static_cast<int>(i)), std::nullopt) << keySteps()[i].name;
    for (const std::string& key : defaults.keys(static_cast<int>(i)))
      EXPECT_EQ(canonicalKeyName(key), key);
  }
  const KeymapReading reading = readKeymap(keymapText(defaults));
  EXPECT_TRUE(reading.problems.empty());
  EXPECT_TRUE(reading.keymap == defaults);
  // The number pad is the goal's 3 x 3 zones, 7 the top left.
  EXPECT_EQ(defaults.keys(step("zone.top-left")), Keys{"Num+7"});
  EXPECT_EQ(defaults.keys(step("zone.bottom-right")), Keys{"Num+3"});
  EXPECT_EQ(defaults.keys(step("zone.outside-left")), Keys{"Num+0"});
}

TEST(KeymapFile, TakesGoodLinesAndNamesEachMalformedLineOnceByItsNumber) {
  const KeymapReading r = readKeymap(
      "# my keys\n"
      "\n"
      "action.goal = T\n"                  // 3: taken
      "action.foul\n"                      // 4: no "="
      "action.dribble = X\n"               // 5: no such step
      "place.centre = Num+2, Ctrl+\n"      // 6: no such key
      "action.goal = Y\n"                  // 7: the step again
      "  save = ctrl+shift+s  \r\n"        // 8: taken, written the toolkit's way
      "help =\n"                           // 9: taken: no key
      "zone.outside-right = Num+., ,\n");  // 10: taken, the comma key included
  ASSERT_EQ(r.problems.size(), 4u);
  EXPECT_EQ(r.problems[0], "4 行目: 「action.foul」は「操作 = キー」の形ではありません");
  EXPECT_EQ(r.problems[1], "5 行目: 「action.dribble」という操作はありません");
  EXPECT_EQ(r.problems[2], "6 行目: 「Ctrl+」はキーの名前ではありません");
  EXPECT_EQ(r.problems[3], "7 行目: 「action.goal」は 3 行目にもあります");
  EXPECT_EQ(r.keymap.keys(step("action.goal")), Keys{"T"});
  EXPECT_EQ(r.keymap.keys(step("action.foul")), Keys{"H"});
  EXPECT_EQ(r.keymap.keys(step("place.centre")), Keys{"Num+2"});
  EXPECT_EQ(r.keymap.keys(step("save")), Keys{"Ctrl+Shift+S"});
  EXPECT_TRUE(r.keymap.keys(step("help")).empty());
  EXPECT_TRUE(r.keymap.stepsOn("F1").empty());
  EXPECT_EQ(r.keymap.keys(step("zone.outside-right")), (Keys{"Num+.", ","}));
}

TEST(KeymapFile, ManyBadLinesAreToldFirstTenThenHowManyAndAHugeFileOnlyInPart) {
  std::string text = "action.goal = T\n" + std::string(300, 'x') + "\n";
  for (int n = 0; n < 2000; ++n) text += "bogus" + std::to_string(n) + " = F1\n";
  KeymapReading r = readKeymap(text);
  ASSERT_EQ(r.problems.size(), kKeymapProblemsTold + 1);
  // A line of the file is quoted cut short, so that the box keeps its width.
  EXPECT_EQ(r.problems[0],
            "2 行目: 「" + std::string(48, 'x') + "…」は「操作 = キー」の形ではありません");
  EXPECT_EQ(r.problems[9], "11 行目: 「bogus8」という操作はありません");
  EXPECT_EQ(r.problems[10], "ほか 1991 行");
  EXPECT_EQ(r.keymap.keys(step("action.goal")), Keys{"T"});

  // Past the most that is read, the lines that end within it count; the
  // line cut in two and those after it do not.
  text = "action.goal = T\n";
  while (text.size() < kKeymapMostBytes - 10) text += "# a comment\n";
  text += "action.foul = Y\n";  // crosses the limit
  r = readKeymap(text + std::string(10 * 1024 * 1024, '\n'));
  ASSERT_EQ(r.problems.size(), 1u);
  EXPECT_EQ(r.problems[0], "ファイルが 256 KB より大きいため、初めの " +
                               std::to_string(std::count(text.begin(), text.end(), '\n') - 1) +
                               " 行だけを読みました");
  EXPECT_EQ(r.keymap.keys(step("action.goal")), Keys{"T"});
  EXPECT_EQ(r.keymap.keys(step("action.foul")), Keys{"H"});
  // A multi-byte character is never cut in two.
  EXPECT_EQ(readKeymap("save = " + std::string(46, 'k') + "時計").problems.at(0),
            "1 行目: 「" + std::string(46, 'k') + "…」はキーの名前ではありません");
}

TEST(KeymapFile, AKeyTwoStepsOfferedTogetherWouldShareIsRefused) {
  // S is the shot miss's; F1 is the key list's, offered everywhere.
  KeymapReading r = readKeymap(
      "action.goal = S\n"
      "place.left-wing = F1\n"
      "zone.top-left = A\n"   // a zone may share the goal's key: never offered together
      "keep-miss.pass = 9\n"  // as may a detail and a shirt-number digit
      "foul.warning = Z\n"
      "foul.suspension = Z\n");
  ASSERT_EQ(r.problems.size(), 3u);
  EXPECT_EQ(r.problems[0],
            "1 行目: action.goal のキー S は「試合画面: 人と動作 シュートミス」と重なります");
  EXPECT_EQ(r.problems[1],
            "2 行目: place.left-wing のキー F1 は「どの画面でも キーの一覧」と重なります");
  EXPECT_EQ(r.problems[2], "6 行目: foul.suspension のキー Z は「反則 警告」と重なります");
  EXPECT_EQ(r.keymap.keys(step("action.goal")), Keys{"A"});
  EXPECT_EQ(r.keymap.keys(step("place.left-wing")), Keys{"Num+7"});
  EXPECT_EQ(r.keymap.keys(step("zone.top-left")), Keys{"A"});
  EXPECT_EQ(r.keymap.keys(step("keep-miss.pass")), Keys{"9"});
  EXPECT_EQ(r.keymap.keys(step("foul.warning")), Keys{"Z"});
  EXPECT_EQ(r.keymap.keys(step("foul.suspension")), (Keys{"2", "Num+2"}));

  // Swapping two keys takes both lines; a third line on one of them gives way.
  r = readKeymap(
      "action.goal = S\n"
      "action.shot-miss = A\n"
      "action.keep-miss = S\n");
  ASSERT_EQ(r.problems.size(), 1u);
  EXPECT_TRUE(r.problems[0].starts_with("3 行目: action.keep-miss のキー S は")) << r.problems[0];
  EXPECT_EQ(r.keymap.keys(step("action.goal")), Keys{"S"});
  EXPECT_EQ(r.keymap.keys(step("action.shot-miss")), Keys{"A"});
  EXPECT_EQ(r.keymap.keys(step("action.keep-miss")), Keys{"D"});
  for (size_t i = 0; i < keySteps().size(); ++i)
    EXPECT_EQ(r.keymap.clashOf(static_cast<int>(i)), std::nullopt);

  // The file as first written, one line changed: only that line is told,
  // though the line of the step that has the key comes later.
  std::string file = keymapText(Keymap());
  const size_t goal = file.find("action.goal = A");
  file.replace(goal, 15, "action.goal = S");
  r = readKeymap(file);
  ASSERT_EQ(r.problems.size(), 1u);
  EXPECT_TRUE(r.problems[0].find("action.goal のキー S") != std::string::npos) << r.problems[0];
  EXPECT_TRUE(r.keymap == Keymap());
}

}  // namespace
