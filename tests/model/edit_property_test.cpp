// Random matches mended at random: events changed, removed and inserted,
// edits undone and redone, events recorded in between. Whatever happened,
// the saved files are byte for byte those of a match that recorded the
// final events straight away, and the team sheet's count cells are the
// counts plus what was typed into them by hand.
//
// HB_EDIT_SEEDS sets how many random matches (default 150).
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "event_editor.h"
#include "file_compare.h"
#include "match_script.h"
#include "number_text.h"
#include "save_match.h"
#include "scratch_folder.h"

namespace {

using Random = std::mt19937;

int pick(Random& r, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(r);
}

// An event entering could give, for a random person of the team.
EventDraft randomDraft(Random& r) {
  EventDraft d;
  d.slot = pick(r, 0, kLastPlayerSlot);
  d.action = d.slot == kOfficialSlot ? (pick(r, 0, 1) ? Action::TimeOut : Action::Foul)
                                     : static_cast<Action>(pick(r, 1, kActions));
  d.place = d.action == Action::TimeOut ? place::kBench : pick(r, 1, kCourtPlaces);
  d.detail = pick(r, 1, detailCount(d.action));
  d.clockSeconds = pick(r, 0, kLatestEditSeconds);
  return d;
}

// A match as the team sheet was filled in before kick-off, with some count
// cells typed by hand.
void fillIn(Screen& s, Random& r, std::shared_ptr<double> clock) {
  Match& m = s.match();
  m.timeOfDay = [clock] { return *clock / 86400.0; };
  // Events go in at random times of the clock, which must not stop at the
  // end of a half in between: one long half holds every time drawn.
  MatchSettings settings;
  settings.periods.halfMinutes = kLatestEditSeconds / 60 + 1;
  m.setSettings(settings);
  for (TeamId team : kBothTeams)
    for (int slot = 1; slot <= kLastPlayerSlot; ++slot) {
      m.team(team).lines[slot].number = std::to_string(pick(r, 1, 99));
      m.team(team).lines[slot].name =
          "選手" + std::to_string(slot) + "-" + std::to_string(teamNumber(team));
    }
  for (int cells = pick(r, 0, 6); cells > 0; --cells)
    m.team(teamAt(pick(r, 0, 1)))
        .lines[pick(r, 0, kLastPlayerSlot)]
        .counts[pick(r, 0, kCounts - 1)] = std::to_string(pick(r, 0, 3));
  m.fileStem = "match";
  s.finishInput();
  *clock = 0;
  s.startMatch();
}

// Entered click by click at the event's own time.
void record(Screen& s, TeamId team, const EventDraft& d, double& clock) {
  clock = d.clockSeconds;
  s.tick();
  s.pickPerson(team, d.slot);
  s.chooseAction(d.action);
  s.choosePlace(d.place);
  if (isShot(d.action))
    s.chooseZone(d.detail);
  else
    s.chooseDetail(dialogFor(d.action), d.detail);
  ASSERT_FALSE(s.match().entry().open());
}

int countValue(const std::string& cell) {
  return cell.empty() ? 0 : strToInt(cell);
}

struct Saved {
  std::string shot, table, list;
};
Saved saved(const Match& m, const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  saveMatch(m);
  const std::vector<std::string> names = savedFileNames(m.fileStem);
  return {readFileBytes(names[0]), readFileBytes(names[1]), readFileBytes(names[2])};
}

void mendAtRandom(uint32_t seed, const ScratchFolder& folder) {
  Random r(seed);
  auto clock = std::make_shared<double>(0);
  ScriptedMatch mended;
  fillIn(mended.screen, r, clock);
  const std::array<Team, kTeams> typed = {mended.match.team(TeamId::One),
                                          mended.match.team(TeamId::Two)};
  for (int n = pick(r, 0, 40); n > 0; --n)
    record(mended.screen, teamAt(pick(r, 0, 1)), randomDraft(r), *clock);

  EventEditor editor(mended.match);
  int edits = 0;
  for (int n = pick(r, 0, 40); n > 0; --n) {
    const TeamId team = teamAt(pick(r, 0, 1));
    const int rows = mended.match.teamEventCount(team);
    const int what = pick(r, 0, 6);
    if (what == 0 && rows > 0) {
      editor.replace(team, pick(r, 0, rows - 1), randomDraft(r));
      ++edits;
    } else if (what == 1 && rows > 0) {
      editor.remove(team, pick(r, 0, rows - 1));
      ++edits;
    } else if (what == 2) {
      editor.insertBefore(team, pick(r, 0, rows), randomDraft(r));
      ++edits;
    } else if ((what == 3 || what == 4) && editor.canUndo()) {
      editor.undo();
    } else if (what == 5 && editor.canRedo()) {
      editor.redo();
    } else if (what == 6) {
      record(mended.screen, team, randomDraft(r), *clock);
    }
  }

  // The final events recorded straight away, on the same sheet.
  ScriptedMatch straight;
  auto straightClock = std::make_shared<double>(0);
  Random sameSheet(seed);
  fillIn(straight.screen, sameSheet, straightClock);
  for (const Event& e : mended.match.events())
    record(straight.screen, e.team, draftOf(e), *straightClock);

  const std::string context = "seed " + std::to_string(seed) + ", " + std::to_string(edits) +
                              " edits, " + std::to_string(mended.match.events().size()) + " events";
  // The same events, but for when they were picked: the two recordings ran
  // at different times of day, and events put in by an edit have none.
  auto recorded = [](std::vector<Event> events) {
    for (Event& e : events) e.pickedAt = e.videoAt = -1;
    return events;
  };
  ASSERT_TRUE(recorded(mended.match.events()) == recorded(straight.match.events())) << context;
  const Saved a = saved(mended.match, folder.path() / ("m" + std::to_string(seed)));
  const Saved b = saved(straight.match, folder.path() / ("s" + std::to_string(seed)));
  EXPECT_TRUE(sameBytes(a.shot, b.shot)) << context << ", shot file";
  EXPECT_TRUE(sameBytes(a.table, b.table)) << context << ", table file";
  EXPECT_TRUE(sameBytes(a.list, b.list)) << context << ", list file";

  for (TeamId team : kBothTeams) {
    EXPECT_EQ(mended.match.score(team), straight.match.score(team)) << context;
    EXPECT_EQ(mended.match.warnings(team), straight.match.warnings(team)) << context;
    for (int slot = 0; slot < kRosterLines; ++slot)
      for (int c = 0; c < kCounts; ++c) {
        const std::string& cell = mended.match.team(team).lines[slot].counts[c];
        EXPECT_EQ(countValue(cell), countValue(straight.match.team(team).lines[slot].counts[c]))
            << context << ", team " << teamNumber(team) << " slot " << slot << " count " << c;
        // Where nothing was typed and nothing is counted, the cell is as it was.
        if (typed[teamIndex(team)].lines[slot].counts[c].empty() && countValue(cell) == 0) {
          EXPECT_EQ(cell, "") << context << ", team " << teamNumber(team) << " slot " << slot;
        }
      }
  }
}

TEST(MendedMatches, SaveWhatAStraightRecordingOfTheFinalEventsSaves) {
  const char* seeds = std::getenv("HB_EDIT_SEEDS");
  const uint32_t count = seeds ? static_cast<uint32_t>(std::atoi(seeds)) : 150;
  ScratchFolder folder;
  for (uint32_t seed = 1; seed <= count && !HasFailure(); ++seed) mendAtRandom(seed, folder);
  std::filesystem::current_path(folder.path());
}

}  // namespace
