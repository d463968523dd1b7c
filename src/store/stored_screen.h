// What the windows showed, in the match file's own terms: the file keeps
// these numbers and bits, so the windows' code may change its own without
// changing what older files mean.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "words.h"

// The windows by the number a match file gives them, in the front order
// (screen_front) and as bits of the shown windows (screen_visible).
// Numbers stored in match files: never renumber, only add.
enum class StoredWindow : int {
  TeamSheet = 1,
  Match = 2,
  Court = 3,
  KeepMiss = 4,
  PenaltyThrow = 5,
  Foul = 6,
  TimeOut = 7,
  Splash = 8,
  Analysis = 9,
};
inline constexpr int kStoredWindows = 9;

// screen_visible holds bit n for the window numbered n.
inline constexpr int64_t windowBit(StoredWindow w) {
  return int64_t{1} << static_cast<int>(w);
}

struct StoredScreen {
  int64_t visible = 0;  // windowBit() of each window shown
  // Windows by their last raise, the one in front last.
  std::vector<StoredWindow> frontOrder;
  bool rosterCarried = false;
  bool splashShown = false;
  std::array<std::string, kRosterLines> notes;  // the roster grid's separator column
  TeamId analysisTeam = TeamId::One;
  int analysisSlot = 0;  // 0 the whole team

  bool shows(StoredWindow w) const { return (visible & windowBit(w)) != 0; }
  bool operator==(const StoredScreen&) const = default;
};

// The windows' side of a kept match: what they show, read at every step and
// put back when a match comes back from its file.
class KeptScreen {
 public:
  virtual ~KeptScreen() = default;
  virtual StoredScreen stored() const = 0;
  virtual void restore(const StoredScreen& s) = 0;
};
