#include "shot_count.h"

#include <cmath>

std::optional<double> ShotCount::rate() const {
  if (shots <= 0) return std::nullopt;
  return static_cast<double>(goals) / shots;
}

ShotCount& ShotCount::operator+=(const ShotCount& other) {
  shots += other.shots;
  goals += other.goals;
  return *this;
}

ShotCount ShotCount::operator-(const ShotCount& other) const {
  return {shots - other.shots, goals - other.goals};
}

std::optional<double> SaveCount::rate() const {
  if (onTarget <= 0) return std::nullopt;
  return static_cast<double>(saves) / onTarget;
}

SaveCount& SaveCount::operator+=(const SaveCount& other) {
  onTarget += other.onTarget;
  saves += other.saves;
  return *this;
}

std::string percentText(std::optional<double> rate) {
  if (!rate) return "-";
  // Halves round up, as on paper: 23/40 is 57.5 %, shown 58 %. The double
  // 23.0 / 40 lies just below 0.575, so a plain round would give 57; a
  // ratio of two counts is never that close to a half otherwise.
  return std::to_string(static_cast<int>(std::floor(*rate * 100 + 0.5 + 1e-9))) + "%";
}

std::string goalsOverShots(const ShotCount& c) {
  return std::to_string(c.goals) + "/" + std::to_string(c.shots);
}
