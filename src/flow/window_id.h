// The program's nine windows.
#pragma once

enum class WindowId : int {
  TeamSheet = 1,
  Match = 2,
  Court = 3,
  KeepMiss = 4,
  PenaltyThrow = 5,
  Foul = 6,
  TimeOut = 7,
  Splash = 8,
  Analysis = 9,
};
inline constexpr int kWindowCount = 9;
