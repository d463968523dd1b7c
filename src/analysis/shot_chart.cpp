#include "shot_chart.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "match.h"
#include "shoot_out.h"

namespace {

constexpr int kWidestSpacing = 11;
constexpr int kFinestSpacing = 3;

// The whole mark lies in the place: its centre and eight points of its rim.
bool markFits(int place, CourtPoint c) {
  if (!inPlace(place, c)) return false;
  const double d = kMarkRadius * std::sqrt(0.5);
  const std::array<CourtPoint, 8> rim = {{{c.x - kMarkRadius, c.y},
                                          {c.x + kMarkRadius, c.y},
                                          {c.x, c.y - kMarkRadius},
                                          {c.x, c.y + kMarkRadius},
                                          {c.x - d, c.y - d},
                                          {c.x + d, c.y - d},
                                          {c.x - d, c.y + d},
                                          {c.x + d, c.y + d}}};
  return std::all_of(rim.begin(), rim.end(), [&](CourtPoint p) { return inPlace(place, p); });
}

// The grid's points in a place, nearest the anchor first; ties go by row
// then column, so the order never depends on rounding.
std::vector<CourtPoint> gridPoints(int place, int spacing) {
  const CourtPoint anchor = placeAnchor(place);
  const CourtRect bounds = placeBounds(place);
  const int iMin = static_cast<int>(std::floor((bounds.left - anchor.x) / spacing));
  const int iMax = static_cast<int>(std::ceil((bounds.right - anchor.x) / spacing));
  const int jMin = static_cast<int>(std::floor((bounds.top - anchor.y) / spacing));
  const int jMax = static_cast<int>(std::ceil((bounds.bottom - anchor.y) / spacing));
  struct Step {
    int i, j;
  };
  std::vector<Step> steps;
  for (int j = jMin; j <= jMax; ++j)
    for (int i = iMin; i <= iMax; ++i)
      if (markFits(place, {anchor.x + i * spacing, anchor.y + j * spacing}))
        steps.push_back({i, j});
  std::stable_sort(steps.begin(), steps.end(), [](const Step& a, const Step& b) {
    return a.i * a.i + a.j * a.j < b.i * b.i + b.j * b.j;
  });
  std::vector<CourtPoint> points;
  points.reserve(steps.size());
  for (const Step& s : steps)
    points.push_back({anchor.x + s.i * spacing, anchor.y + s.j * spacing});
  return points;
}

}  // namespace

std::vector<CourtPoint> markPositions(int place, int count) {
  if (count <= 0 || place < 1 || place > kCourtPlaces) return {};
  std::vector<CourtPoint> points;
  for (int spacing = kWidestSpacing; spacing >= kFinestSpacing; --spacing) {
    points = gridPoints(place, spacing);
    if (static_cast<int>(points.size()) >= count) break;
  }
  if (points.empty()) points.push_back(placeAnchor(place));
  std::vector<CourtPoint> positions;
  positions.reserve(count);
  for (int n = 0; n < count; ++n) positions.push_back(points[n % points.size()]);
  return positions;
}

std::vector<ShotMark> shotChart(const Match& match, TeamId team, std::optional<int> slot) {
  std::vector<ShotMark> marks;
  std::array<int, kCourtPlaces + 1> perPlace{};
  const std::vector<Event>& events = match.events();
  for (std::size_t n = 0; n < events.size(); ++n) {
    const Event& e = events[n];
    if (e.team != team || !isShot(e.action) || isShootOutThrow(e) || (slot && e.slot != *slot))
      continue;
    if (e.place < 1 || e.place > kCourtPlaces) continue;
    marks.push_back({{}, e.action == Action::Goal, e.place, e.detail, e.slot, n});
    ++perPlace[e.place];
  }
  std::array<std::vector<CourtPoint>, kCourtPlaces + 1> positions;
  for (int place = 1; place <= kCourtPlaces; ++place)
    positions[place] = markPositions(place, perPlace[place]);
  std::array<int, kCourtPlaces + 1> taken{};
  for (ShotMark& mark : marks) mark.at = positions[mark.place][taken[mark.place]++];
  return marks;
}
