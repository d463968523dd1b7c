// The match clock: playing time from the wall clock less the pauses, and the
// time the clock panel shows, which moves on at each tick and at a restart.
// At the end of a half it stops by itself at exactly the half's length; the
// next "中断/続行" starts the next half from there. After the first overtime
// the second is played only when the score is level, which the match tells.
#pragma once

#include <string>

#include "periods.h"

class MatchClock {
 public:
  // Everything the clock holds, to keep it and bring it back. A running
  // clock brought back keeps its start and pauses, so the time of day moves
  // it on as if the program had never stopped.
  struct State {
    double startedAt = 0;
    double pausedAt = 0;
    double pausedTotal = 0;
    bool started = false;
    bool running = true;
    int shown = 0;
    int period = 1;
    bool periodOver = false;
    bool operator==(const State&) const = default;
  };
  State state() const {
    return {startedAt_, pausedAt_, pausedTotal_, started_, running_, shown_, period_, periodOver_};
  }
  void restore(const State& s);

  // Times are the time of day in days (a fraction of a day).
  void start(double now);
  // Pauses a running clock, or continues a paused one and shows the time;
  // after the end of a half, starts the next. After the last period the
  // clock stays stopped; `scoreLevel` says whether an overtime ended level,
  // so that the second overtime or the shoot-out follows it. The shoot-out
  // begins with the clock stopped, and there it stays.
  void togglePause(double now, bool scoreLevel = false);
  // Shows the playing time at `now` while the clock runs, stopping it at
  // the end of the period.
  void tick(double now);

  // Moves the clock by some seconds, or sets it, to keep in step with the
  // hall clock; it stays within the current period. Only once started.
  void nudge(double now, int seconds);
  void setTo(double now, int seconds);
  // Puts the clock at `seconds` of `period`, running or not, as a video
  // the clock follows shows it; starts it if need be.
  void follow(double now, int period, double seconds, bool running);

  const Periods& periods() const { return periods_; }
  void setPeriods(const Periods& p) { periods_ = p; }
  // The period being played, or the last one ended (1 = first half).
  int period() const { return period_; }
  // Whether the clock stopped itself at the end of the current period.
  bool periodOver() const { return periodOver_; }
  bool inShootOut() const { return period_ == Periods::kShootOut; }
  bool matchOver(bool scoreLevel = false) const {
    return periodOver_ && periods_.endsMatch(period_, scoreLevel);
  }

  bool started() const { return started_; }
  bool running() const { return running_; }
  // Whether the panel follows the time: started and not paused.
  bool ticking() const { return started_ && running_; }

  // Whole seconds of play on the panel (0 before the first tick).
  int shownSeconds() const { return shown_; }
  // The panel's text, "mm:ss".
  std::string shownText() const;

  // Playing time in seconds at `now`.
  int secondsAt(double now) const;
  // The same, not rounded.
  double playedSecondsAt(double now) const { return playedAt(now) * 86400.0; }

 private:
  // Playing time at `now` in days, not rounded.
  double playedAt(double now) const;

  double startedAt_ = 0;
  double pausedAt_ = 0;
  double pausedTotal_ = 0;
  bool started_ = false;
  bool running_ = true;
  int shown_ = 0;
  Periods periods_;
  int period_ = 1;
  bool periodOver_ = false;
};

// now - start - paused; a match that runs past midnight gets whole days
// added so the difference never goes negative.
double playingTime(double now, double matchStart, double pausedTotal);
// The whole seconds of the time of day in `days`, rounded to the millisecond.
int wholeSecondsOfDay(double days);
// "mm:ss" of a number of seconds; minutes count on past 59 ("75:00").
std::string clockText(int seconds);
// "mm：ss" with the full-width colon, as event logs write the time.
std::string logTimeText(int seconds);

// The wall clock's time of day, as a fraction of a day.
double wallTimeOfDay();
