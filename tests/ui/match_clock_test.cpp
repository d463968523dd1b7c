// The match clock: start, the one-second refresh, pause and continue, and the
// time every event is stamped with.
#include "event_steps.h"

using ClockOnTheMatchWindow = EventTest;

TEST_F(ClockOnTheMatchWindow, OnlyTheStartButtonIsUsableBeforeTheMatch) {
  openMatchWindow();
  EXPECT_TRUE(matchWindow()->ui.startButton->isEnabled());
  EXPECT_FALSE(matchWindow()->ui.pauseButton->isEnabled());
  EXPECT_FALSE(matchWindow()->clockTimer.isActive());
  EXPECT_EQ(usablePersons(), 0);
  EXPECT_EQ(usableActions(), "000000");
  EXPECT_FALSE(matchWindow()->ui.correctionButton->isEnabled());
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "00:00");

  click(matchWindow()->ui.startButton);
  EXPECT_FALSE(matchWindow()->ui.startButton->isEnabled());
  EXPECT_TRUE(matchWindow()->ui.pauseButton->isEnabled());
  EXPECT_TRUE(matchWindow()->clockTimer.isActive());
  EXPECT_EQ(matchWindow()->clockTimer.interval(), 1000);
  EXPECT_EQ(usablePersons(), 30);
  EXPECT_EQ(usableActions(), "000000");
}

TEST_F(ClockOnTheMatchWindow, PanelWaitsForTheFirstTick) {
  startMatch();
  advance(2 * 60 + 5);
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "00:00");
  click(person(TeamId::One, 1));
  EXPECT_EQ(logCell(TeamId::One, 0, 1), "00：00");

  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "02:05");
  advance(58);
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "03:03");
  click(matchWindow()->ui.correctionButton);
  click(person(TeamId::Two, 1));  // a corrected pick keeps its time
  EXPECT_EQ(logCell(TeamId::Two, 0, 1), "00：00");
  click(action(2));
  click(location(3));
  click(zone(4));
  click(person(TeamId::One, 2));
  EXPECT_EQ(logCell(TeamId::One, 0, 1), "03：03");
}

// Each half stops by itself at its end; "中断/続行" starts the next from
// there, and overtime counts minutes on past the hour.
TEST_F(ClockOnTheMatchWindow, HalvesStopAtTheirEndAndOvertimeCountsPastTheHour) {
  MatchSettings settings;
  settings.periods.overtime = true;
  match().setSettings(settings);
  startMatch();
  advance(30 * 60 + 40);  // the tick comes after the end of the half
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "30:00");
  EXPECT_FALSE(matchWindow()->clockTimer.isActive());
  advance(10 * 60);  // half-time
  click(matchWindow()->ui.pauseButton);
  advance(61);
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "31:01");
  advance(29 * 60);
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "60:00");
  click(matchWindow()->ui.pauseButton);  // the first period of overtime
  advance(125);
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "62:05");
  click(person(TeamId::One, 2));
  EXPECT_EQ(logCell(TeamId::One, 0, 1), "62：05");
}

TEST_F(ClockOnTheMatchWindow, TwoPausesAreLeftOutOfThePlayingTime) {
  startMatch();
  advance(60);
  matchWindow()->tick();
  click(matchWindow()->ui.pauseButton);  // pause
  EXPECT_FALSE(matchWindow()->clockTimer.isActive());
  EXPECT_TRUE(matchWindow()->ui.pauseButton->isEnabled());
  EXPECT_FALSE(state().clockRunning);
  advance(30);
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "01:00");
  click(matchWindow()->ui.pauseButton);  // continue: the panel is refreshed at once
  EXPECT_TRUE(matchWindow()->clockTimer.isActive());
  EXPECT_TRUE(state().clockRunning);
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "01:00");

  advance(20);
  click(matchWindow()->ui.pauseButton);
  advance(45);
  click(matchWindow()->ui.pauseButton);
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "01:20");
  advance(10);
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "01:30");
}

TEST_F(ClockOnTheMatchWindow, AnEventEnteredWhilePausedGetsThePausedTime) {
  typeRoster(8, 3, "12");
  startMatch();
  advance(95);
  matchWindow()->tick();
  click(matchWindow()->ui.pauseButton);
  advance(40);
  EXPECT_EQ(usablePersons(), 30);
  click(person(TeamId::Two, 2));
  EXPECT_EQ(logRow(TeamId::Two, 1), "01：35|12||||");
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "01:35");
}

TEST_F(ClockOnTheMatchWindow, AMatchPastMidnightKeepsCounting) {
  clockSeconds = 24 * 3600 - 60;  // 23:59:00
  startMatch();
  clockSeconds = 90;  // 00:01:30 the next day
  matchWindow()->tick();
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "02:30");
}

TEST_F(ClockOnTheMatchWindow, APauseOverMidnightIsLeftOutToo) {
  clockSeconds = 24 * 3600 - 40;  // 23:59:20
  startMatch();
  advance(20);  // 23:59:40
  click(matchWindow()->ui.pauseButton);
  clockSeconds = 20;  // 00:00:20, after a pause of 40 s
  click(matchWindow()->ui.pauseButton);
  EXPECT_EQ(text(matchWindow()->ui.clockPanel), "00:20");
}
