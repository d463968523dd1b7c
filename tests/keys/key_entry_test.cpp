// Entry by keys without windows: each key takes the step its button would
// take now, through the screen's steps, or changes nothing at all.
#include "key_entry.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

class KeyEntrySteps : public ::testing::Test {
 protected:
  void SetUp() override {
    m.timeOfDay = [] { return 0.5; };
    // Team 1: 7 on line 3, 12 on line 4; team 2: 12 on line 1, 7 on line 2
    // twice (lines 2 and 6); line 5 of team 2 has no number.
    m.team(TeamId::One).lines[3].number = "7";
    m.team(TeamId::One).lines[4].number = "12";
    m.team(TeamId::Two).lines[1].number = "12";
    m.team(TeamId::Two).lines[2].number = "8";
    m.team(TeamId::Two).lines[6].number = "8";
    m.team(TeamId::One).lines[9].number = "99";
    s.show(WindowId::TeamSheet);
    s.finishInput();
    s.startMatch();
  }

  // Presses keys given as names separated by blanks, with the match window
  // in front; returns the last outcome.
  KeyOutcome press(const std::string& keys, bool teamSheetInFront = false) {
    KeyOutcome last = KeyOutcome::Unmapped;
    size_t from = 0;
    while (from < keys.size()) {
      size_t to = keys.find(' ', from);
      if (to == std::string::npos) to = keys.size();
      last = entry.press(s, keys.substr(from, to - from), teamSheetInFront);
      from = to + 1;
    }
    return last;
  }
  const Event& last() const { return m.events().back(); }
  Stage stage() const { return m.entry().stage; }

  Match m;
  Screen s{m};
  KeyEntry entry;
};

TEST_F(KeyEntrySteps, AGoalInFiveKeysOpensAndClosesTheCourtAsClicksDo) {
  EXPECT_EQ(press("Q 7"), KeyOutcome::Typed);
  EXPECT_EQ(entry.typedPerson(s), "チーム1 7");
  EXPECT_EQ(entry.typedCandidates(s), (std::vector<std::pair<TeamId, int>>{{TeamId::One, 3}}));
  EXPECT_EQ(stage(), Stage::None);
  EXPECT_EQ(press("A"), KeyOutcome::Stepped);  // the person and the action at once
  EXPECT_EQ(stage(), Stage::ActionChosen);
  EXPECT_TRUE(s.visible(WindowId::Court));
  EXPECT_EQ(entry.typedPerson(s), "");
  EXPECT_EQ(press("Num+3"), KeyOutcome::Stepped);
  EXPECT_EQ(press("Num+7"), KeyOutcome::Stepped);
  EXPECT_FALSE(s.visible(WindowId::Court));
  ASSERT_EQ(m.events().size(), 1u);
  EXPECT_EQ(last().team, TeamId::One);
  EXPECT_EQ(last().slot, 3);
  EXPECT_EQ(last().action, Action::Goal);
  EXPECT_EQ(last().place, place::kRightBack);
  EXPECT_EQ(last().detail, 2);  // 左上, the pad's top left
  EXPECT_EQ(m.team(TeamId::One).lines[3].count(Count::Goals), "1");
}

TEST_F(KeyEntrySteps, TheTeamKeyIsNeededOnlyWhenBothTeamsHaveTheNumber) {
  // 99 only in team 1: a shot miss from the centre, low in the middle.
  press("9 9 S Num+2 Num+2");
  ASSERT_EQ(m.events().size(), 1u);
  EXPECT_EQ(last().team, TeamId::One);
  EXPECT_EQ(last().slot, 9);
  // 12 in both teams: the action key does nothing until the team is typed.
  EXPECT_EQ(press("1 2"), KeyOutcome::Typed);
  EXPECT_EQ(entry.typedCandidates(s).size(), 2u);
  EXPECT_EQ(press("D"), KeyOutcome::Refused);
  EXPECT_EQ(stage(), Stage::None);
  EXPECT_EQ(press("W D"), KeyOutcome::Stepped);  // the team may come after the number
  EXPECT_EQ(m.entry().event.team, TeamId::Two);
  EXPECT_EQ(m.entry().event.slot, 1);
  EXPECT_EQ(m.entry().event.action, Action::KeepMiss);
  press("Backspace");  // the action back: the person stays picked
  EXPECT_EQ(stage(), Stage::PersonPicked);
}

TEST_F(KeyEntrySteps, NumbersMatchExactlyAndDuplicatesNeedTheRosterLine) {
  EXPECT_EQ(press("Q 1 Return"), KeyOutcome::Refused);  // "1" is nobody's
  EXPECT_EQ(press("Backspace"), KeyOutcome::Typed);
  EXPECT_EQ(entry.typedPerson(s), "チーム1");
  EXPECT_EQ(press("0 1 2 Return"), KeyOutcome::Refused);  // "012" is not "12"
  EXPECT_EQ(entry.typedPerson(s), "チーム1 012");
  EXPECT_EQ(stage(), Stage::None);
  press("Backspace Backspace Backspace Backspace");
  EXPECT_EQ(entry.typedPerson(s), "");
  // Team 2 has 8 twice and a line with no number: both by their line.
  EXPECT_EQ(press("W 8 Return"), KeyOutcome::Refused);
  press("Backspace Backspace");
  EXPECT_EQ(press("W R 6 Return"), KeyOutcome::Stepped);
  EXPECT_EQ(m.entry().event.slot, 6);
  press("Backspace");  // 修正 on the match window: the person again
  EXPECT_EQ(stage(), Stage::PersonCleared);
  EXPECT_EQ(press("W R 5 F"), KeyOutcome::Stepped);
  EXPECT_EQ(m.entry().event.slot, 5);
  EXPECT_EQ(m.entry().event.action, Action::PenaltyWon);
  press("Backspace");  // the action back; the person is no longer correctable
  EXPECT_EQ(press("Backspace"), KeyOutcome::Refused);
  EXPECT_EQ(stage(), Stage::PersonPicked);
}

TEST_F(KeyEntrySteps, ARosterLineIsOneToFourteenAndAShirtNumberAtMostFourDigits) {
  EXPECT_EQ(press("W R 1 5"), KeyOutcome::Refused);
  EXPECT_EQ(entry.typedPerson(s), "チーム2 行 1");
  EXPECT_EQ(press("4"), KeyOutcome::Typed);
  EXPECT_EQ(entry.typedCandidates(s), (std::vector<std::pair<TeamId, int>>{{TeamId::Two, 14}}));
  EXPECT_EQ(press("E"), KeyOutcome::Refused);  // the official is no roster line
  press("Backspace Backspace Backspace Backspace");
  EXPECT_EQ(entry.typedPerson(s), "");
  EXPECT_EQ(press("R 5 Return"), KeyOutcome::Refused);  // a line needs its team
  press("Backspace Backspace Backspace");
  EXPECT_EQ(press("1 2 3 4 5"), KeyOutcome::Refused);
  EXPECT_EQ(entry.typedPerson(s), "1234");
}

TEST_F(KeyEntrySteps, TheOfficialTakesOnlyATimeOutOrAFoulAndTheTimeOutGoesToTheBench) {
  press("W E");
  EXPECT_EQ(entry.typedCandidates(s), (std::vector<std::pair<TeamId, int>>{{TeamId::Two, 0}}));
  // No half step: the person stays unpicked and what was typed stays.
  EXPECT_EQ(press("A"), KeyOutcome::Refused);
  EXPECT_EQ(stage(), Stage::None);
  EXPECT_EQ(entry.typedPerson(s), "チーム2 監督");
  EXPECT_EQ(press("5"), KeyOutcome::Refused);  // no number after the official
  EXPECT_EQ(press("G"), KeyOutcome::Stepped);
  EXPECT_EQ(press("Num+7"), KeyOutcome::Refused);  // only the bench
  EXPECT_EQ(press("Num+Enter"), KeyOutcome::Stepped);
  EXPECT_TRUE(s.visible(WindowId::TimeOut));
  EXPECT_EQ(press("5"), KeyOutcome::Refused);  // four situations
  EXPECT_EQ(press("Num+4"), KeyOutcome::Stepped);
  EXPECT_FALSE(s.visible(WindowId::TimeOut));
  EXPECT_EQ(last().slot, kOfficialSlot);
  EXPECT_EQ(last().place, place::kBench);
  EXPECT_EQ(last().detail, 4);
}

TEST_F(KeyEntrySteps, TheCorrectionKeyIsThe修正OfTheWindowTheEventGoesOnIn) {
  press("Q 7 A");
  press("Backspace");  // court: the action back, the match window in front
  EXPECT_EQ(stage(), Stage::PersonPicked);
  EXPECT_EQ(m.team(TeamId::One).lines[3].count(Count::Goals), "0");
  EXPECT_EQ(press("Backspace"), KeyOutcome::Refused);  // no longer the person's
  press("D Num+5");
  EXPECT_TRUE(s.visible(WindowId::KeepMiss));
  press("Backspace");  // dialog: the place back, the court again
  EXPECT_FALSE(s.visible(WindowId::KeepMiss));
  EXPECT_TRUE(s.visible(WindowId::Court));
  EXPECT_EQ(stage(), Stage::ActionChosen);
  press("Num+9 7");
  EXPECT_EQ(last().action, Action::KeepMiss);
  EXPECT_EQ(last().place, place::kRightWing);
  EXPECT_EQ(last().detail, 7);
  // A shot: the place back on the court.
  press("Q 7 S Num+1 Backspace Num+2 Num+.");
  EXPECT_EQ(last().place, place::kCentre);
  EXPECT_EQ(last().detail, 11);
}

TEST_F(KeyEntrySteps, StartPauseSwitchSaveAndHelp) {
  Match fresh;
  Screen before(fresh);
  fresh.timeOfDay = [] { return 0.5; };
  before.show(WindowId::TeamSheet);
  KeyEntry keys;
  // Before 入力終了 the match window is hidden: its keys do nothing.
  EXPECT_EQ(keys.press(before, "F5", false), KeyOutcome::Refused);
  EXPECT_EQ(keys.press(before, "F3", true), KeyOutcome::Stepped);
  EXPECT_TRUE(before.visible(WindowId::Match));
  EXPECT_TRUE(before.rosterCarried());
  EXPECT_EQ(keys.press(before, "F6", false), KeyOutcome::Refused);  // not started
  EXPECT_EQ(keys.press(before, "F5", false), KeyOutcome::Stepped);
  EXPECT_TRUE(fresh.clock().started());
  EXPECT_EQ(keys.press(before, "F5", false), KeyOutcome::Refused);
  EXPECT_EQ(keys.press(before, "Pause", false), KeyOutcome::Stepped);
  EXPECT_FALSE(fresh.clock().ticking());
  before.takeRaised();
  EXPECT_EQ(keys.press(before, "F3", false), KeyOutcome::Stepped);  // from the match window
  EXPECT_EQ(before.takeRaised(), std::vector{WindowId::TeamSheet});
  EXPECT_EQ(keys.press(before, "Ctrl+S", false), KeyOutcome::Save);
  EXPECT_EQ(keys.press(before, "F1", true), KeyOutcome::Help);
  EXPECT_EQ(keys.press(before, "Ctrl+Q", false), KeyOutcome::Unmapped);
}

TEST_F(KeyEntrySteps, TypingEndsWhenAClickTakesAStepAndNeedsTheMatchWindow) {
  press("Q 7");
  s.pickPerson(TeamId::Two, 1);  // a click on another person
  s.correctPerson();             // and 修正: persons may be picked again
  EXPECT_EQ(entry.typedPerson(s), "");
  EXPECT_EQ(press("Return"), KeyOutcome::Refused);
  EXPECT_EQ(press("Q 7 Return"), KeyOutcome::Stepped);
  EXPECT_EQ(m.entry().event.slot, 3);
  EXPECT_EQ(m.entry().event.team, TeamId::One);  // the corrected person may be of the other team

  s.chooseAction(Action::Foul);
  s.choosePlace(place::kCentre);
  s.chooseDetail(WindowId::Foul, 1);
  s.requestClose(WindowId::Match);  // closed while nothing waits for it
  ASSERT_FALSE(s.visible(WindowId::Match));
  EXPECT_EQ(press("Q"), KeyOutcome::Refused);
  EXPECT_EQ(press("7"), KeyOutcome::Refused);
}

// Every key at every stage: a key whose step is not offered now changes
// nothing, and the keys that do act are those of the steps offered.
TEST_F(KeyEntrySteps, KeysNotOfferedAtAStageChangeNothing) {
  auto state = [](const Match& m, const Screen& s, const KeyEntry& k) {
    const Entry& e = m.entry();
    std::string text = std::to_string(static_cast<int>(e.stage)) + " " +
                       std::to_string(teamNumber(e.event.team)) + " " +
                       std::to_string(e.event.slot) + " " +
                       std::to_string(static_cast<int>(e.event.action)) + " " +
                       std::to_string(e.event.place) + " " + std::to_string(m.events().size()) +
                       " " + std::to_string(m.clock().ticking()) + " " + k.typedPerson(s) + " ";
    for (int w = 1; w <= kWindowCount; ++w) text += s.visible(static_cast<WindowId>(w)) ? '1' : '0';
    return text;
  };
  std::set<std::string> allKeys;
  for (size_t i = 0; i < keySteps().size(); ++i)
    for (const std::string& key : entry.keymap().keys(static_cast<int>(i))) allKeys.insert(key);
  auto keysOf = [&](std::initializer_list<const char*> prefixes) {
    std::set<std::string> keys;
    for (size_t i = 0; i < keySteps().size(); ++i)
      for (const char* prefix : prefixes)
        if (keySteps()[i].name.starts_with(prefix))
          for (const std::string& key : entry.keymap().keys(static_cast<int>(i))) keys.insert(key);
    return keys;
  };
  // Each stage as the keys that lead there from the start of the match, and
  // the steps that act there besides those offered everywhere (save, key
  // list, 画面切り替え, 中断/続行, the video, the season).
  const struct {
    const char* keys;
    std::set<std::string> acting;
  } stages[] = {
      {"", keysOf({"team", "official", "line", "number"})},
      {"Q 7", keysOf({"team", "number", "correct", "confirm", "action."})},
      {"Q 7 Return", keysOf({"correct", "action."})},
      {"Q 7 A", keysOf({"correct", "place.left", "place.centre", "place.right", "place.opponent",
                        "place.penalty"})},  // the bench aside
      {"Q E G", keysOf({"correct", "place.bench"})},
      {"Q 7 S Num+5", keysOf({"correct", "zone."})},
      {"Q E H Num+5", keysOf({"correct", "foul."})},
  };
  const std::set<std::string> everywhere =
      keysOf({"save", "help", "switch", "pause", "video.", "season"});
  for (const auto& st : stages) {
    std::set<std::string> acted;
    for (const std::string& key : allKeys) {
      Match match;
      match.timeOfDay = [] { return 0.5; };
      match.team(TeamId::One).lines[3].number = "7";
      Screen screen(match);
      screen.show(WindowId::TeamSheet);
      screen.finishInput();
      screen.startMatch();
      KeyEntry keys;
      std::istringstream leading(st.keys);
      for (std::string k; leading >> k;) keys.press(screen, k, false);
      const std::string before = state(match, screen, keys);
      const KeyOutcome outcome = keys.press(screen, key, false);
      if (outcome == KeyOutcome::Refused)
        EXPECT_EQ(state(match, screen, keys), before) << "'" << st.keys << "' then " << key;
      else if (!everywhere.contains(key))
        acted.insert(key);
    }
    std::set<std::string> expected = st.acting;
    for (const std::string& key : everywhere) expected.erase(key);
    EXPECT_EQ(acted, expected) << "after '" << st.keys << "'";
  }
}

}  // namespace

// The facts of the event recorded last, keyed until the next pick: one key
// each, the assist typed as a person is, a team's goalkeepers in turn.
TEST_F(KeyEntrySteps, TheFactsOfTheLastEventAreKeyedUntilTheNextPick) {
  press("Q 7 S Num+3 Num+0 X I");  // team 1's 7 misses: ポスト, 速攻
  EXPECT_EQ(last().facts, (EventFacts{MissOutcome::Post, AttackKind::FastBreak, 0, 0}));
  EXPECT_EQ(press("B"), KeyOutcome::Refused);  // no assist on a miss
  press("Q 1 2 A Num+3 Num+7 B 9 9");          // 12 scores, then the assist typed
  EXPECT_EQ(entry.typedPerson(s), "アシスト 99");
  EXPECT_EQ(press("Return"), KeyOutcome::Stepped);
  EXPECT_EQ(last().facts.assist, 9);
  EXPECT_EQ(press("B 1 2 Return"), KeyOutcome::Refused);  // the scorer himself
  press("Backspace Backspace Backspace B Return");        // cleared
  EXPECT_EQ(last().facts.assist, 0);
  m.markGoalkeeper(TeamId::Two, 1, true);
  m.markGoalkeeper(TeamId::Two, 6, true);
  press("M");
  EXPECT_EQ(m.goalkeeperInGoal(TeamId::Two), 6);
  press("Q 7 S");  // picked: nothing more is said of the goal
  EXPECT_EQ(press("I"), KeyOutcome::Refused);
  EXPECT_EQ(press("M"), KeyOutcome::Refused);
}
