// Playing time on date-times in days, and the "mm:ss" text of the clock panel.
#pragma once

#include <string>

// now - start - paused; a match that runs past midnight gets a day added so
// the difference never goes negative.
double playingTime(double now, double matchStart, double pausedTotal);

// "hh:mm:ss" of the time of day in `days` with the hours cut off: "mm:ss".
std::string clockText(double days);

// The wall clock's time of day, as a fraction of a day.
double wallTimeOfDay();
