// What an event-log row may hold: the texts of each column, in code order,
// and the checks of a row, a time text and a count cell's number. Kept here
// rather than taken from the program, so that a wrong caption there shows.
#pragma once

#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "screen.h"

inline const std::vector<std::string> kPlays = {"得点",     "シュートミス", "保持ミス",
                                                "PT(獲得)", "作戦タイム",   "反則"};
inline const std::vector<std::string> kPlaces = {"左サイド", "左ポスト", "中ポスト", "右ポスト",
                                                 "右サイド", "左４５",   "センター", "右４５",
                                                 "相手陣地", "PT"};
inline const std::string kBench = "ベンチ";
inline const std::vector<std::string> kZones = {"左外", "左上", "左中", "左下", "中上", "中中",
                                                "中下", "右上", "右中", "右下", "右外"};
inline const std::vector<std::string> kKinds = {"パス",     "キャッチ", "ライン", "オーバー",
                                                "チャージ", "パッシブ", "その他"};
inline const std::vector<std::string> kReasons = {"ライン内", "シュート阻止", "GKへのパス",
                                                  "その他"};
inline const std::vector<std::string> kSanctions = {"警告", "退場", "失格"};
inline const std::vector<std::string> kSituations = {"リード", "リード→同点", "負→同点", "負け"};

inline constexpr int kGoal = 1, kShotMiss = 2, kKeepMiss = 3, kPenalty = 4, kTimeOut = 5, kFoul = 6;

// One row of an event log: when, No., who, play, where, what.
using LogRow = std::array<std::string, 6>;

// 1-based position of `text` in `list`, 0 when absent.
int codeIn(const std::vector<std::string>& list, const std::string& text);
// A whole number in 32 bits: an optional sign and decimal digits only.
bool isWholeNumber(const std::string& text, int64_t* value = nullptr);
// The error box text of a count cell that is no whole number.
std::string conversionError(const std::string& text);
// The detail dialog that completes `action`; the court dialog for shots.
WindowId dialogOf(int action);
// "mm：ss" with the full-width colon; minutes count on past 59.
bool isTimeText(const std::string& text);
// The problem with a completed row of the person in `slot`, or "".
std::string rowProblem(const LogRow& row, int slot);
// The cells joined with "|", for messages.
std::string joined(const LogRow& row);

// The parts written one after another, for messages.
template <typename... Parts>
std::string say(const Parts&... parts) {
  std::ostringstream out;
  (out << ... << parts);
  return out.str();
}
