// Mending recorded events: what each edit changes in the logs, the counts and
// the team sheet's count cells, what it refuses, and undo and redo.
#include "event_editor.h"

#include <gtest/gtest.h>

#include "event_log.h"
#include "match_fixture.h"
#include "tallies.h"

namespace {

class Editing : public ::testing::Test, protected ClockedMatch {
 protected:
  void SetUp() override {
    fillRoster(TeamId::One, 10, "p");
    fillRoster(TeamId::Two, 20, "p");
    m.startClock();
  }
  void record(TeamId team, int slot, Action a, int place, int detail, int time = 0) {
    at(time);
    ASSERT_TRUE(ClockedMatch::record(team, slot, a, place, detail));
  }
  std::string& cell(TeamId team, int slot, Count c) { return m.team(team).lines[slot].count(c); }
  // Team 1: goal by 3, foul (warning) by 4; team 2: missed shot by 1.
  void recordThree() {
    record(TeamId::One, 3, Action::Goal, place::kCentre, 5, 60);
    record(TeamId::Two, 1, Action::ShotMiss, place::kLeftWing, 1, 90);
    record(TeamId::One, 4, Action::Foul, place::kCentre, static_cast<int>(Sanction::Warning), 120);
  }
  EventEditor editor{m};
};

constexpr int kWarning = static_cast<int>(Sanction::Warning);
constexpr int kSuspension = static_cast<int>(Sanction::Suspension);

TEST_F(Editing, AChangedEventMovesEveryCountAndTheCellsKeepTheirTypedOffset) {
  recordThree();
  cell(TeamId::One, 3, Count::Goals) = "5";  // typed over the recorded 1: an offset of 4
  ASSERT_EQ(m.score(TeamId::One), 1);
  ASSERT_EQ(m.warnings(TeamId::One), 1);

  // The goal becomes player 7's suspension, at another time.
  editor.replace(TeamId::One, 0, {7, 65, Action::Foul, place::kRightBack, kSuspension});
  EXPECT_EQ(eventLog(m, TeamId::One)[0], (LogRow{"01：05", "17", "p7", "反則", "右４５", "退場"}));
  EXPECT_EQ(m.score(TeamId::One), 0);
  EXPECT_EQ(cell(TeamId::One, 3, Count::Goals), "4");
  EXPECT_EQ(cell(TeamId::One, 7, Count::Suspensions), "1");
  EXPECT_EQ(countEvents(m).team(TeamId::One).person(Tally::Suspension, 7), 1);
  EXPECT_EQ(countEvents(m).team(TeamId::One).goals[3][place::kCentre][5], 0);
  EXPECT_TRUE(m.unsaved());

  // The warning becomes a suspension of the same person.
  editor.replace(TeamId::One, 1, {4, 120, Action::Foul, place::kCentre, kSuspension});
  EXPECT_EQ(m.warnings(TeamId::One), 0);
  EXPECT_EQ(cell(TeamId::One, 4, Count::Warnings), "");
  EXPECT_EQ(cell(TeamId::One, 4, Count::Suspensions), "1");

  editor.undo();
  editor.undo();
  EXPECT_EQ(cell(TeamId::One, 3, Count::Goals), "5");
  EXPECT_EQ(cell(TeamId::One, 7, Count::Suspensions), "");
  EXPECT_EQ(cell(TeamId::One, 4, Count::Warnings), "1");
  EXPECT_EQ(cell(TeamId::One, 4, Count::Suspensions), "");
  EXPECT_EQ(m.score(TeamId::One), 1);
  EXPECT_EQ(m.warnings(TeamId::One), 1);
  EXPECT_EQ(eventLog(m, TeamId::One)[0],
            (LogRow{"01：00", "13", "p3", "得点", "センター", "中上"}));
  EXPECT_FALSE(editor.canUndo());

  editor.redo();
  EXPECT_EQ(m.score(TeamId::One), 0);
  EXPECT_EQ(cell(TeamId::One, 3, Count::Goals), "4");
  EXPECT_TRUE(editor.canRedo());
}

TEST_F(Editing, RemovedAndInsertedEventsMoveTheLaterRowsOfTheirTeamOnly) {
  recordThree();
  editor.remove(TeamId::One, 0);
  ASSERT_EQ(m.teamEventCount(TeamId::One), 1);
  EXPECT_EQ(m.teamEvent(TeamId::One, 0).action, Action::Foul);
  EXPECT_EQ(m.teamEventCount(TeamId::Two), 1);
  EXPECT_EQ(cell(TeamId::One, 3, Count::Goals), "");  // nothing counted and no offset: as before

  // Before team 1's first row, which is the last of all events: it goes
  // after team 2's missed shot and before the foul.
  editor.insertBefore(TeamId::One, 0, {2, 100, Action::Goal, place::kLeftWing, 11});
  ASSERT_EQ(m.events().size(), 3u);
  EXPECT_EQ(m.events()[1].slot, 2);
  EXPECT_EQ(m.events()[2].action, Action::Foul);
  EXPECT_EQ(m.teamEvent(TeamId::One, 0).clockSeconds, 100);
  EXPECT_EQ(cell(TeamId::One, 2, Count::Goals), "1");
  EXPECT_EQ(m.score(TeamId::One), 1);

  // Past the last row: after every event.
  editor.insertBefore(TeamId::Two, 1, {0, 130, Action::TimeOut, place::kBench, 2});
  EXPECT_EQ(m.events().back().team, TeamId::Two);
  EXPECT_EQ(m.events().back().number, "");

  editor.undo();
  editor.undo();
  editor.undo();
  EXPECT_EQ(m.events().size(), 3u);
  EXPECT_EQ(m.teamEvent(TeamId::One, 0).action, Action::Goal);
  EXPECT_EQ(cell(TeamId::One, 3, Count::Goals), "1");
  EXPECT_EQ(cell(TeamId::One, 2, Count::Goals), "");  // never raised: as typed
}

TEST_F(Editing, APersonChangeReadsTheRosterAndAnUnchangedPersonKeepsWhatWasRecorded) {
  record(TeamId::Two, 5, Action::KeepMiss, place::kCentre, 3, 30);
  m.team(TeamId::Two).lines[5].name = "renamed later";
  m.team(TeamId::Two).lines[6].name = "new name";
  editor.replace(TeamId::Two, 0, {5, 31, Action::KeepMiss, place::kCentre, 4});
  EXPECT_EQ(m.teamEvent(TeamId::Two, 0).name, "p5");
  editor.replace(TeamId::Two, 0, {6, 31, Action::KeepMiss, place::kCentre, 4});
  EXPECT_EQ(m.teamEvent(TeamId::Two, 0).name, "new name");
  EXPECT_EQ(m.teamEvent(TeamId::Two, 0).number, "26");
}

TEST_F(Editing, OnlyWhatEnteringAnEventAllowsIsTaken) {
  record(TeamId::One, 3, Action::Goal, place::kCentre, 5, 60);
  const MatchState before = m.state();
  const std::vector<EventDraft> refused = {
      {0, 60, Action::Goal, place::kCentre, 5},        // the official neither scores
      {0, 60, Action::PenaltyWon, place::kCentre, 1},  // nor wins penalty throws
      {3, 60, Action::TimeOut, place::kCentre, 1},     // a time-out is at the bench
      {3, 60, Action::Foul, place::kBench, 1},         // nothing else is
      {3, 60, Action::Goal, 0, 5},                     // no place
      {3, 60, Action::Goal, place::kCentre, 12},       // eleven goal zones
      {3, 60, Action::Foul, place::kCentre, 4},        // three sanctions
      {3, 60, Action::TimeOut, place::kBench, 0},      // no detail
      {15, 60, Action::KeepMiss, place::kCentre, 1},   // fourteen players
      {3, 100 * 60, Action::Goal, place::kCentre, 5},  // past 99:59
      {3, -1, Action::Goal, place::kCentre, 5},
      {3, 60, static_cast<Action>(7), place::kCentre, 1},
  };
  for (const EventDraft& d : refused) {
    EXPECT_FALSE(draftProblem(d).empty()) << static_cast<int>(d.action) << " " << d.place;
    EXPECT_THROW(editor.replace(TeamId::One, 0, d), EditError);
    EXPECT_THROW(editor.insertBefore(TeamId::One, 0, d), EditError);
  }
  EXPECT_THROW(editor.remove(TeamId::One, 1), EditError);  // no such row
  EXPECT_THROW(editor.remove(TeamId::Two, 0), EditError);
  EXPECT_THROW(editor.insertBefore(TeamId::One, 2, {}), EditError);
  EXPECT_THROW(editor.undo(), EditError);  // nothing to undo
  EXPECT_THROW(editor.redo(), EditError);
  EXPECT_TRUE(m.state() == before);

  EXPECT_TRUE(draftProblem({0, kLatestEditSeconds, Action::TimeOut, place::kBench, 4}).empty());
  EXPECT_TRUE(draftProblem({14, 0, Action::ShotMiss, place::kPenaltyThrow, 11}).empty());
}

TEST_F(Editing, NothingIsEditedWhileAnEventIsBeingEntered) {
  recordThree();
  editor.remove(TeamId::Two, 0);
  ASSERT_TRUE(m.pickPerson(TeamId::One, 5));
  const MatchState before = m.state();
  EXPECT_FALSE(editor.canEdit());
  EXPECT_FALSE(editor.canUndo());
  EXPECT_THROW(editor.remove(TeamId::One, 0), EditError);
  EXPECT_THROW(editor.replace(TeamId::One, 0, {3, 1, Action::Goal, 1, 1}), EditError);
  EXPECT_THROW(editor.insertBefore(TeamId::One, 0, {3, 1, Action::Goal, 1, 1}), EditError);
  EXPECT_THROW(editor.undo(), EditError);
  EXPECT_TRUE(m.state() == before);
  ASSERT_TRUE(m.correctPerson());  // a cleared person is still an open event
  EXPECT_THROW(editor.undo(), EditError);
}

TEST_F(Editing, ACountCellWithoutANumberStopsTheEditAndItsUndo) {
  recordThree();
  cell(TeamId::One, 3, Count::Goals) = "x";
  const MatchState before = m.state();
  EXPECT_THROW(editor.remove(TeamId::One, 0), ConversionError);
  EXPECT_THROW(editor.replace(TeamId::One, 0, {5, 60, Action::Goal, place::kCentre, 5}),
               ConversionError);
  EXPECT_TRUE(m.state() == before);
  // Another zone of the same goal moves no cell, so it goes through.
  editor.replace(TeamId::One, 0, {3, 60, Action::Goal, place::kCentre, 6});
  EXPECT_EQ(cell(TeamId::One, 3, Count::Goals), "x");

  cell(TeamId::One, 3, Count::Goals) = "1";
  editor.remove(TeamId::One, 0);
  cell(TeamId::One, 3, Count::Goals) = "none";
  const MatchState removed = m.state();
  EXPECT_THROW(editor.undo(), ConversionError);
  EXPECT_TRUE(m.state() == removed);
  cell(TeamId::One, 3, Count::Goals) = "";  // raised from empty as from 0
  editor.undo();
  EXPECT_EQ(cell(TeamId::One, 3, Count::Goals), "1");
  cell(TeamId::One, 3, Count::Goals) = "";  // but never lowered from empty
  EXPECT_THROW(editor.redo(), ConversionError);
  cell(TeamId::One, 3, Count::Goals) = "5";  // a typed offset of 4 stays
  editor.redo();
  EXPECT_EQ(cell(TeamId::One, 3, Count::Goals), "4");
}

TEST_F(Editing, ANewEditDropsTheRedoneOnesAndRecordingKeepsThem) {
  recordThree();
  editor.remove(TeamId::One, 1);
  editor.undo();
  ASSERT_TRUE(editor.canRedo());
  record(TeamId::Two, 2, Action::Goal, place::kCentre, 1, 200);  // added at the end
  editor.redo();
  EXPECT_EQ(m.teamEventCount(TeamId::One), 1);
  EXPECT_EQ(m.events().back().team, TeamId::Two);
  editor.undo();
  editor.replace(TeamId::Two, 0, {1, 90, Action::ShotMiss, place::kLeftWing, 2});
  EXPECT_FALSE(editor.canRedo());
}

// A goal at 30:00 of the second half, another at 30:03, the clock's
// half-time stop in between.
TEST_F(Editing, AMendedEventKeepsItsHalfUnlessItsTimeLiesPlainlyInAnother) {
  record(TeamId::One, 3, Action::Goal, place::kCentre, 5, 1800);
  ASSERT_TRUE(m.clock().periodOver());
  m.togglePause();  // the second half starts at 30:00
  record(TeamId::One, 3, Action::Goal, place::kCentre, 5, 1800);
  record(TeamId::One, 3, Action::Goal, place::kCentre, 5, 1803);
  ASSERT_EQ(m.teamEvent(TeamId::One, 1).period, 2);
  const uint64_t rewrites = m.eventsRewritten();

  // 変更 with nothing changed, with or without the half: no edit at all.
  editor.replace(TeamId::One, 1, draftOf(m.teamEvent(TeamId::One, 1)));
  editor.replace(TeamId::One, 1, {3, 1800, Action::Goal, place::kCentre, 5});
  EXPECT_FALSE(editor.canUndo());
  EXPECT_EQ(m.eventsRewritten(), rewrites);
  EXPECT_EQ(m.teamEvent(TeamId::One, 1).period, 2);

  // To the boundary from later in the half, it stays; the half chosen there
  // moves it; a time inside a half puts it there whatever the draft says.
  editor.replace(TeamId::One, 2, {3, 1800, Action::Goal, place::kCentre, 5});
  EXPECT_EQ(m.teamEvent(TeamId::One, 2).period, 2);
  editor.replace(TeamId::One, 2, {3, 1800, Action::Goal, place::kCentre, 5, 1});
  EXPECT_EQ(m.teamEvent(TeamId::One, 2).period, 1);
  editor.replace(TeamId::One, 2, {3, 1799, Action::Goal, place::kCentre, 5, 2});
  EXPECT_EQ(m.teamEvent(TeamId::One, 2).period, 1);
  editor.replace(TeamId::One, 2, {3, 1801, Action::Goal, place::kCentre, 5});
  EXPECT_EQ(m.teamEvent(TeamId::One, 2).period, 2);
  editor.insertBefore(TeamId::One, 0, {4, 1800, Action::Goal, place::kCentre, 5, 2});
  EXPECT_EQ(m.teamEvent(TeamId::One, 0).period, 2);
  for (int undone = 1; undone <= 3; ++undone) editor.undo();
  EXPECT_EQ(m.teamEvent(TeamId::One, 2).period, 1);  // the half chosen at 30:00 comes back
  editor.undo();
  editor.undo();
  EXPECT_FALSE(editor.canUndo());
  EXPECT_EQ(m.teamEvent(TeamId::One, 2).clockSeconds, 1803);
  EXPECT_EQ(m.teamEvent(TeamId::One, 2).period, 2);
}

TEST(ClockText, OnlyMinutesAndSecondsUpTo9959AreTaken) {
  EXPECT_EQ(parseClockText("00:00"), 0);
  EXPECT_EQ(parseClockText("12:34"), 754);
  EXPECT_EQ(parseClockText("99:59"), 5999);
  for (const char* bad : {"", "1:23", "12:60", "12-34", "12:3", "123:45", " 1:23", "12:34 ",
                          "ab:cd", "12：34", "-1:00"})
    EXPECT_EQ(parseClockText(bad), std::nullopt) << bad;
}

TEST_F(Editing, AMatchBroughtBackIsTheSameMatchAndARunningClockRunsOn) {
  recordThree();
  editor.replace(TeamId::Two, 0, {2, 90, Action::Goal, place::kLeftWing, 1});
  editor.undo();
  m.team(TeamId::One).lines[2].count(Count::Goals) = "7";
  m.fileStem = "final";
  ASSERT_TRUE(m.pickPerson(TeamId::Two, 3));
  ASSERT_TRUE(m.chooseAction(Action::Goal));
  m.markSaved({{"match.xls", {1, 2}}});
  const MatchState kept = m.state();

  Match back;
  seconds = 600;
  back.timeOfDay = m.timeOfDay;
  back.restore(kept);
  EXPECT_TRUE(back.state() == kept);
  EXPECT_FALSE(back.unsaved());
  EXPECT_TRUE(back.wroteFile({1, 2}));
  EXPECT_EQ(back.score(TeamId::Two), 1);
  EXPECT_EQ(eventLog(back, TeamId::Two), eventLog(m, TeamId::Two));
  EXPECT_EQ(back.history().undone.size(), 1u);
  EXPECT_FALSE(EventEditor(back).canRedo());     // not while the goal is being entered
  EXPECT_EQ(back.clock().shownText(), "02:00");  // as it last showed
  back.tickClock();
  EXPECT_EQ(back.clock().shownText(), "10:00");  // the match went on meanwhile
  ASSERT_TRUE(back.choosePlace(place::kCentre));
  ASSERT_TRUE(back.chooseDetail(3));
  EXPECT_EQ(back.teamEventCount(TeamId::Two), 2);
}

}  // namespace
