// The shot chart: one mark per shot on the court picture, inside the area
// of the place it was taken from (court_geometry.h). A goal's mark is
// filled, a miss's open. Where a mark goes depends only on the place and on
// how many shots of the chart came from that place before it, so the
// analysis window and the report draw the same chart.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "court_geometry.h"
#include "team_id.h"

class Match;

// A mark's radius, in the picture's pixels.
inline constexpr double kMarkRadius = 4.5;

struct ShotMark {
  CourtPoint at;  // the mark's centre on the court picture
  bool goal = false;
  int place = 0;
  int zone = 0;
  int slot = 0;
  std::size_t event = 0;  // its index in match.events()
  bool operator==(const ShotMark&) const = default;
};

// The marks of a team's completed goals and missed shots in recorded order,
// or of one person's when `slot` is given.
std::vector<ShotMark> shotChart(const Match& match, TeamId team, std::optional<int> slot = {});

// Centres for `count` marks in a place: the first at the place's anchor,
// each next one at the nearest free point of a grid round it. The grid is
// 11 pixels wide, so marks keep apart; a place with more marks than it has
// room for takes a finer grid, down to marks that touch (9 pixels) and
// then overlap, and past 3 pixels the positions repeat. Marks stay apart
// up to 15 in the 7 m box, 27 at the centre post, 44 at the other posts
// and more elsewhere.
std::vector<CourtPoint> markPositions(int place, int count);
