// Seasons of match files for tests and benchmarks: the match scripts
// played, their teams named as each season wants, and kept in match files
// started on the season's days, as the program keeps them.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "match_file.h"
#include "match_fixture.h"
#include "match_script.h"

// The script data/<script>.match played straight through, its teams then
// named `team1` and `team2`. Each shot of team 2 is said to be shot against
// team 1's line 12, put in goal, so that goalkeepers have figures.
inline std::unique_ptr<Match> scriptedMatch(const std::string& script, const std::string& team1,
                                            const std::string& team2) {
  ScriptedMatch played;
  playMatchScript(played.screen, testDataPath(script + ".match"));
  MatchState s = played.match.state();
  s.teams[0].name = team1;
  s.teams[1].name = team2;
  s.teams[0].lines[12].goalkeeper = true;
  for (Event& e : s.events)
    if (e.team == TeamId::Two && isShot(e.action)) e.facts.goalkeeper = 12;
  auto m = std::make_unique<Match>();
  m->restore(std::move(s));
  return m;
}

// Noon (UTC) of a day of 2024 counted from 1 January, so that the local
// date stays that day in every time zone within twelve hours.
inline std::chrono::system_clock::time_point seasonDay(int day) {
  using namespace std::chrono;
  return sys_days{year{2024} / January / 1} + days{day} + hours{12};
}

// `m` kept in a new match file in `folder` started on `day`; an ended
// match moves into "ended", as the close box moves it.
inline std::filesystem::path keepMatch(const Match& m, const std::filesystem::path& folder, int day,
                                       bool ended = true) {
  MatchFile file = MatchFile::create(folder, seasonDay(day), Durability::EveryStep);
  file.commit(m, StoredScreen{});
  const std::filesystem::path path = file.path();
  if (!ended) return path;
  file.markEndedCleanly();
  return folder / kEndedFolder / path.filename();
}

// A season of `matches` long matches of 東高校 against four opponents, a
// week apart, each of about 2 x `eventsPerTeam` events of every kind with
// every kind of fact (ClockedMatch::recordMixed), a little shorter match by
// match so that the rates move.
inline void keepMixedSeason(const std::filesystem::path& folder, int matches, int eventsPerTeam) {
  static const std::array<std::string, 4> opponents = {"西高校", "北方クラブ", "南高校", "港中央"};
  for (int i = 0; i < matches; ++i) {
    ClockedMatch c;
    c.recordMixed(eventsPerTeam - i % 7);
    c.m.team(TeamId::One).name = "東高校";
    c.m.team(TeamId::Two).name = opponents[i % opponents.size()];
    keepMatch(c.m, folder, 7 * (i % 52) + i / 52);
  }
}
