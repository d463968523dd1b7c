#include "video_sync.h"

#include <algorithm>

namespace {

constexpr double kSecondsPerDay = 86400.0;

// `to` - `from` in seconds, for times of day less than half a day apart: a
// match that runs past midnight stays in order.
double secondsBetween(double from, double to) {
  double d = to - from;
  if (d < -0.5) d += 1;
  if (d > 0.5) d -= 1;
  return d * kSecondsPerDay;
}

bool before(const SyncPoint& a, int period, double seconds) {
  return a.period < period || (a.period == period && a.clockSeconds <= seconds);
}

}  // namespace

double timeOfDayAt(const std::vector<ClockRun>& runs, int period, double clockSeconds) {
  // The last run that reached the time: after a set-back of the clock the
  // later pass is the one seen last.
  for (auto r = runs.rbegin(); r != runs.rend(); ++r) {
    if (r->period != period || clockSeconds < r->fromSeconds) continue;
    const double at = r->startedAt + (clockSeconds - r->fromSeconds) / kSecondsPerDay;
    if (r->stoppedAt >= 0 && secondsBetween(r->stoppedAt, at) > 0.5) continue;
    return at >= 1 ? at - 1 : at;
  }
  return -1;
}

SyncPoint momentOf(const Event& e, const std::vector<ClockRun>& runs) {
  SyncPoint p{0, e.period, static_cast<double>(e.clockSeconds), e.pickedAt};
  if (p.timeOfDay < 0) p.timeOfDay = timeOfDayAt(runs, e.period, e.clockSeconds);
  return p;
}

SyncPoint kickOffMoment(const std::vector<ClockRun>& runs) {
  return {0, 1, 0, runs.empty() || runs.front().period != 1 ? -1 : runs.front().startedAt};
}

SyncPoint periodStartMoment(int period, const Periods& periods, const std::vector<ClockRun>& runs) {
  const double start = periods.startSeconds(period);
  return {0, period, start, timeOfDayAt(runs, period, start)};
}

void setSyncPoint(VideoLink& link, SyncPoint moment, double videoSeconds) {
  moment.videoSeconds = videoSeconds;
  auto& points = link.points;
  std::erase_if(points, [&](const SyncPoint& p) {
    return p.period == moment.period && p.clockSeconds == moment.clockSeconds;
  });
  const auto at = std::find_if(points.begin(), points.end(), [&](const SyncPoint& p) {
    return !before(p, moment.period, moment.clockSeconds);
  });
  points.insert(at, moment);
  if (points.size() > kMostSyncPoints) points.erase(points.begin());
}

std::optional<double> videoPositionOf(const Event& e, const VideoLink& link,
                                      const std::vector<ClockRun>& runs) {
  if (e.videoAt >= 0) return e.videoAt;
  if (link.points.empty()) return std::nullopt;
  const SyncPoint* p = &link.points.front();
  for (const SyncPoint& q : link.points)
    if (before(q, e.period, e.clockSeconds)) p = &q;
  const SyncPoint moment = momentOf(e, runs);
  if (moment.timeOfDay >= 0 && p->timeOfDay >= 0)
    return p->videoSeconds + secondsBetween(p->timeOfDay, moment.timeOfDay);
  return p->videoSeconds + (e.clockSeconds - p->clockSeconds);
}

std::optional<MatchTime> matchTimeAt(double videoSeconds, const VideoLink& link,
                                     const Periods& periods) {
  const SyncPoint* p = nullptr;
  for (const SyncPoint& q : link.points)
    if (q.videoSeconds <= videoSeconds) p = &q;
  if (!p) return std::nullopt;
  const double end = periods.endSeconds(p->period);
  const double seconds = p->clockSeconds + (videoSeconds - p->videoSeconds);
  return MatchTime{p->period, std::min(seconds, end)};
}
