// Counts that end in a rate: goals out of shots, saves out of shots on
// target. A rate without anything to count is none, not zero.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct ShotCount {
  int32_t shots = 0;
  int32_t goals = 0;

  int32_t misses() const { return shots - goals; }
  // goals / shots, from 0 to 1.
  std::optional<double> rate() const;
  ShotCount& operator+=(const ShotCount& other);
  ShotCount operator-(const ShotCount& other) const;
  bool operator==(const ShotCount&) const = default;
};

struct SaveCount {
  int32_t onTarget = 0;  // shots into the nine zones of the goal
  int32_t saves = 0;     // of those, the missed ones

  int32_t goalsAgainst() const { return onTarget - saves; }
  // saves / onTarget, from 0 to 1.
  std::optional<double> rate() const;
  SaveCount& operator+=(const SaveCount& other);
  bool operator==(const SaveCount&) const = default;
};

// "45%" (rounded to a whole percent), or "-" for no rate.
std::string percentText(std::optional<double> rate);
// "3/7": goals over shots, as the saved shot table writes them.
std::string goalsOverShots(const ShotCount& c);
