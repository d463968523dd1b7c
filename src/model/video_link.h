// The match's link to a video of it: which file, where the operator left
// it, and the points that tie the video's time to the match. Also the
// clock's runs, kept so that any moment of the match can be found in a
// video that ran on through every pause.
#pragma once

#include <string>
#include <vector>

// A stretch of time the clock ran: from the time of day `startedAt` (in
// days, as the clock counts) at `fromSeconds` of play, until `stoppedAt`
// (-1 while it runs).
struct ClockRun {
  int period = 1;
  double fromSeconds = 0;
  double startedAt = 0;
  double stoppedAt = -1;
  bool operator==(const ClockRun&) const = default;
};

// A moment of the match seen in the video: the video's time, and the match
// time there (the period and seconds of play); the time of day it happened,
// when known (-1 for a file kept before times of day were kept, or for a
// point set on the video alone).
struct SyncPoint {
  double videoSeconds = 0;
  int period = 1;
  double clockSeconds = 0;
  double timeOfDay = -1;
  bool operator==(const SyncPoint&) const = default;
};

struct VideoLink {
  // The video file as kept: relative to the match file's folder when it lies
  // there or below, else absolute. Empty: no video.
  std::string path;
  double position = 0;  // where the operator left it, in seconds
  // In the order of the match: the first ties the video to the match, a
  // later one takes over from its own match time on (a video cut at
  // half-time, or the second half's start when recording from the video).
  std::vector<SyncPoint> points;
  // The clock follows the video: its time is the video's, by the points.
  bool clockFollows = false;
  bool operator==(const VideoLink&) const = default;
};

// Bounds on what a match file may hold of these.
inline constexpr size_t kMostSyncPoints = 8;
// Times of day run from the day the match began (0) past midnight into
// the next (up to 2); -1 is a time not known.
inline constexpr double kLatestTimeOfDay = 2;
