// The playing periods of a match: two halves of a set length and, when
// asked, overtime of two periods of five minutes (3 and 4); when that ends
// level, a second overtime of two more (5 and 6), and when that ends level
// too, the 7 m shoot-out (7), which has no playing time: the clock stays at
// the end of the second overtime. Times are seconds of play counted on from
// the start, as the clock shows them.
#pragma once

struct Periods {
  static constexpr int kOvertimeMinutes = 5;
  static constexpr int kFirstOvertimeEnd = 4;  // the period that ends the first overtime
  static constexpr int kShootOut = 7;

  int halfMinutes = 30;  // 25 and 20 for youth
  bool overtime = false;

  // The periods with playing time the match can have: 2, or 6 with overtime.
  int count() const { return overtime ? 6 : 2; }
  // The last period the match can reach: the shoot-out with overtime.
  int last() const { return overtime ? kShootOut : 2; }
  // Whether the match ends with the period: the last it can have, or an
  // overtime's second half when the score is not level then.
  bool endsMatch(int period, bool scoreLevel) const {
    return period >= last() || ((period == kFirstOvertimeEnd || period == count()) && !scoreLevel);
  }
  int startSeconds(int period) const;
  int endSeconds(int period) const;
  // The period a time of play falls in; the end of a period belongs to it.
  int periodAt(int seconds) const;
  // Whether a time of play can lie in the period: from its start to its
  // end, the first from 0 and the last on without end. The end of one
  // period lies in the next as well, since the clock starts it there. The
  // shoot-out holds only the end of the second overtime.
  bool holds(int period, int seconds) const;
  // Whether the time lies in the last five minutes of the second half.
  bool inLastFiveMinutes(int seconds) const;

  bool operator==(const Periods&) const = default;
};
