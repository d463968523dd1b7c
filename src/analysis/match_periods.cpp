#include "match_periods.h"

#include <algorithm>

#include "match.h"
#include "shoot_out.h"
#include "tallies.h"

namespace {

int periodOf(int period) {
  // Whatever the shoot-out holds besides its throws counts in the last overtime.
  return std::clamp(period, 1, Periods::kShootOut - 1);
}

}  // namespace

std::string MatchStretch::label() const {
  if (period > 2) return std::string(kPeriodWords[period]);
  return std::to_string(fromSeconds / 60) + "-" + std::to_string(toSeconds / 60);
}

std::vector<MatchStretch> matchStretches(const Match& match) {
  const Periods& periods = match.settings().periods;
  int last = 2;
  if (match.clock().started()) last = std::max(last, periodOf(match.clock().period()));
  for (const Event& e : match.events()) last = std::max(last, periodOf(e.period));

  const int half = std::max(1, periods.halfMinutes) * 60;
  const int length = periods.halfMinutes < 30 ? 5 * 60 : 10 * 60;
  const int perHalf = (half + length - 1) / length;
  std::vector<MatchStretch> stretches;
  for (int p = 1; p <= 2; ++p)
    for (int i = 0; i < perHalf; ++i) {
      MatchStretch s;
      s.period = p;
      s.fromSeconds = (p - 1) * half + i * length;
      s.toSeconds = std::min((p - 1) * half + (i + 1) * length, p * half);
      stretches.push_back(s);
    }
  for (int p = 3; p <= last; ++p) {
    MatchStretch s;
    s.period = p;
    s.fromSeconds = 2 * half + (p - 3) * Periods::kOvertimeMinutes * 60;
    s.toSeconds = s.fromSeconds + Periods::kOvertimeMinutes * 60;
    stretches.push_back(s);
  }

  for (const Event& e : match.events()) {
    if (isShootOutThrow(e)) continue;
    const int p = periodOf(e.period);
    size_t index;
    if (p <= 2) {
      const int into = e.clockSeconds - (p - 1) * half;
      const int i = into <= 0 ? 0 : std::min((into - 1) / length, perHalf - 1);
      index = static_cast<size_t>((p - 1) * perHalf + i);
    } else {
      index = static_cast<size_t>(2 * perHalf + p - 3);
    }
    StretchTeamFigures& f = stretches[index].teams[teamIndex(e.team)];
    if (countsAsShot(e)) f.shots += {1, e.action == Action::Goal ? 1 : 0};
    if (e.action == Action::KeepMiss) ++f.lost;
  }
  return stretches;
}
