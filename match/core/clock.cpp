#include "clock.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

double playingTime(double now, double matchStart, double pausedTotal) {
  double t = now - matchStart - pausedTotal;
  if (t < 0) t += std::ceil(-t);  // whole days, so the time of day is kept
  return t;
}

std::string clockText(double days) {
  double fraction = days - std::floor(days);
  long long ms = std::llround(fraction * 86400000.0);
  long long seconds = ms / 1000;
  int minutes = static_cast<int>((seconds / 60) % 60);
  int secs = static_cast<int>(seconds % 60);
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", minutes, secs);
  return text;
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
