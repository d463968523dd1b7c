#include "match_clock.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <string_view>

void MatchClock::start(double now) {
  startedAt_ = now;
  started_ = true;
}

void MatchClock::restore(const State& s) {
  startedAt_ = s.startedAt;
  pausedAt_ = s.pausedAt;
  pausedTotal_ = s.pausedTotal;
  started_ = s.started;
  running_ = s.running;
  shown_ = s.shown;
  period_ = s.period;
  periodOver_ = s.periodOver;
}

void MatchClock::togglePause(double now, bool scoreLevel) {
  if (!started_) return;
  if (running_) {
    // Past the end of the period the clock stops there, not later.
    if (playedAt(now) * 86400.0 >= periods_.endSeconds(period_)) {
      tick(now);
      return;
    }
    pausedAt_ = now;
    running_ = false;
    return;
  }
  if (period_ == Periods::kShootOut) return;  // no playing time left
  if (periodOver_) {
    if (periods_.endsMatch(period_, scoreLevel)) return;  // the match is over
    ++period_;
    periodOver_ = false;
    // The shoot-out is taken with the clock standing where it ended.
    if (period_ == Periods::kShootOut) return;
  }
  double paused = now - pausedAt_;
  if (paused < 0) paused += 1;  // paused across midnight
  pausedTotal_ += paused;
  running_ = true;
  tick(now);
}

void MatchClock::tick(double now) {
  if (!ticking()) return;  // a stopped clock's panel stands still
  const int end = periods_.endSeconds(period_);
  const double played = playedAt(now);
  if (played * 86400.0 < end) {
    shown_ = secondsAt(now);
    return;
  }
  // Stopped at the moment the period ended, however late the tick came.
  pausedAt_ = now - (played - end / 86400.0);
  running_ = false;
  periodOver_ = true;
  shown_ = end;
}

void MatchClock::nudge(double now, int seconds) {
  if (started_) setTo(now, wholeSecondsOfDay(playedAt(now)) + seconds);
}

void MatchClock::setTo(double now, int seconds) {
  if (!started_) return;
  const int first = periods_.startSeconds(period_);
  const int last = periods_.endSeconds(period_);
  const int target = seconds < first ? first : seconds > last ? last : seconds;
  // The pauses absorb the change: the start of the match stays where it was.
  const double at = running_ ? now : pausedAt_;
  pausedTotal_ += playedAt(at) - target / 86400.0;
  shown_ = target;
  periodOver_ = !running_ && target == last;
}

void MatchClock::follow(double now, int period, double seconds, bool running) {
  if (!started_) start(now);
  period_ = period;
  const int end = periods_.endSeconds(period);
  if (seconds > end) seconds = end;
  if (seconds < 0) seconds = 0;
  pausedTotal_ = now - startedAt_ - seconds / 86400.0;
  pausedAt_ = now;
  periodOver_ = seconds >= end;
  running_ = running && !periodOver_;
  shown_ = wholeSecondsOfDay(seconds / 86400.0);
}

double MatchClock::playedAt(double now) const {
  const double at = running_ || !started_ ? now : pausedAt_;
  return playingTime(at, startedAt_, pausedTotal_);
}

int MatchClock::secondsAt(double now) const {
  return wholeSecondsOfDay(playingTime(now, startedAt_, pausedTotal_));
}

std::string MatchClock::shownText() const {
  return clockText(shown_);
}

double playingTime(double now, double matchStart, double pausedTotal) {
  double t = now - matchStart - pausedTotal;
  if (t < 0) t += std::ceil(-t);  // whole days, so the time of day is kept
  return t;
}

int wholeSecondsOfDay(double days) {
  const double fraction = days - std::floor(days);
  return static_cast<int>(std::llround(fraction * 86400000.0) / 1000);
}

namespace {
// Two digits at least, as "%02d" gives; written by hand since the save
// formats one time per event.
void appendTwoDigits(std::string& text, int n) {
  if (n >= 100) text += std::to_string(n / 100);
  text += static_cast<char>('0' + n / 10 % 10);
  text += static_cast<char>('0' + n % 10);
}

std::string minutesAndSeconds(int seconds, std::string_view separator) {
  std::string text;
  text.reserve(8);
  appendTwoDigits(text, seconds / 60);
  text += separator;
  appendTwoDigits(text, seconds % 60);
  return text;
}
}  // namespace

std::string clockText(int seconds) {
  return minutesAndSeconds(seconds, ":");
}

std::string logTimeText(int seconds) {
  return minutesAndSeconds(seconds, "：");
}

double wallTimeOfDay() {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + ms / 1000.0;
  return seconds / 86400.0;
}
