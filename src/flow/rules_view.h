// What the match window shows of the rules, beside the stored layout: the
// period, each team's strength with its running suspensions, the persons
// whose buttons are marked, and every notice of the rules' limits.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "match.h"

struct TeamStrengthView {
  int courtPlayers = 7;
  std::string text;                            // "6人 退場 7 1:12" and so on
  std::array<bool, kRosterLines> suspended{};  // marked person buttons, by slot
};

struct RulesView {
  std::string period;  // "前半", "ハーフタイム", "後半", "延長前半", ... "試合終了"
  std::array<TeamStrengthView, 2> teams;
  std::vector<std::string> notices;  // the newest last, "12:34 A: ..."
};

RulesView rulesView(const Match& m);
// "1:05" for the seconds left of a countdown.
std::string countdownText(int seconds);
