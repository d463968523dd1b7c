#include "periods.h"

int Periods::startSeconds(int period) const {
  if (period <= 1) return 0;
  if (period == 2) return halfMinutes * 60;
  return 2 * halfMinutes * 60 + (period - 3) * kOvertimeMinutes * 60;
}

int Periods::endSeconds(int period) const {
  if (period >= count()) period = count();
  if (period <= 2) return period * halfMinutes * 60;
  return 2 * halfMinutes * 60 + (period - 2) * kOvertimeMinutes * 60;
}

int Periods::periodAt(int seconds) const {
  for (int p = 1; p < count(); ++p)
    if (seconds <= endSeconds(p)) return p;
  return count();
}

bool Periods::holds(int period, int seconds) const {
  if (period == kShootOut && overtime) return seconds == endSeconds(count());
  if (period < 1 || period > count()) return false;
  return seconds >= startSeconds(period) && (period == count() || seconds <= endSeconds(period));
}

bool Periods::inLastFiveMinutes(int seconds) const {
  return seconds >= endSeconds(2) - 5 * 60 && seconds <= endSeconds(2);
}
