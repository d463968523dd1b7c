// Where a moment of the match is in its video, and the reverse, by the
// link's sync points. With times of day (of the events and of the clock's
// runs) the video's position follows the real time, pauses included; a
// moment without one is placed by match time from its point, so the
// pauses before it are not seen.
#pragma once

#include <optional>
#include <vector>

#include "event.h"
#include "periods.h"
#include "video_link.h"

// The time of day the clock showed `clockSeconds` of `period`, from the run
// that covers it; -1 when none does.
double timeOfDayAt(const std::vector<ClockRun>& runs, int period, double clockSeconds);

// The moment an event happened: its pick's time of day, else the runs'.
SyncPoint momentOf(const Event& e, const std::vector<ClockRun>& runs);
// The kick-off: the first run's start, or the start of play.
SyncPoint kickOffMoment(const std::vector<ClockRun>& runs);
// The start of a later period: its first run, or its start of play.
SyncPoint periodStartMoment(int period, const Periods& periods, const std::vector<ClockRun>& runs);

// Adds `moment` at `videoSeconds` to the link: a point at the same match
// time is replaced, and the points stay in match order.
void setSyncPoint(VideoLink& link, SyncPoint moment, double videoSeconds);

// The video position of an event: recorded from the video, where it was
// picked; else by the last point at or before it (the first point for one
// before them all). Empty with no point.
std::optional<double> videoPositionOf(const Event& e, const VideoLink& link,
                                      const std::vector<ClockRun>& runs);

// The match time at a video position while the clock follows the video:
// the last point at or before it, at most that period's end. Empty before
// the first point.
struct MatchTime {
  int period = 1;
  double seconds = 0;
};
std::optional<MatchTime> matchTimeAt(double videoSeconds, const VideoLink& link,
                                     const Periods& periods);
