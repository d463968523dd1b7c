// A team as the team sheet holds it: its name and one roster line for the
// official and each of 14 players, with the four count cells the sheet shows.
#pragma once

#include <array>
#include <string>

#include "words.h"

// The count cells of a roster line, in the sheet's column order.
enum class Count : int { Goals = 0, Warnings = 1, Suspensions = 2, Disqualifications = 3 };
inline constexpr int kCounts = 4;

inline Count countOf(Sanction s) {
  return static_cast<Count>(static_cast<int>(s));
}

struct RosterLine {
  std::string number;  // shirt number as typed
  std::string name;
  // As typed or as counted; the recording raises and lowers them by one, so
  // a number typed by hand keeps its offset.
  std::array<std::string, kCounts> counts;
  bool goalkeeper = false;  // may be put in goal

  std::string& count(Count c) { return counts[static_cast<int>(c)]; }
  const std::string& count(Count c) const { return counts[static_cast<int>(c)]; }
  bool operator==(const RosterLine&) const = default;
};

struct Team {
  std::string name;
  std::array<RosterLine, kRosterLines> lines;  // slot 0 the official, 1..14 players
  bool operator==(const Team&) const = default;
};

// Whether a count cell can be raised (empty counts as 0) or lowered (it
// must hold a number) without failing.
bool countRaisable(const std::string& text);
bool countLowerable(const std::string& text);
// The cell one up: empty becomes "1". Throws ConversionError for other text.
std::string raisedCount(const std::string& text);
// The cell one down. Throws ConversionError unless it holds a number.
std::string loweredCount(const std::string& text);
// The cell moved by `delta`, up from empty as from 0. Throws ConversionError
// as raising and lowering one by one would.
std::string movedCount(const std::string& text, int delta);
