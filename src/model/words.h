// The words of the match as the program writes them: actions, court places,
// goal zones and the details that complete an event, each under its code.
// The windows' button captions, the event logs and the saved tables all use
// these; a code indexes the counts.
#pragma once

#include <array>
#include <string_view>

#include "team_id.h"

inline constexpr int kTeams = 2;
inline constexpr int kOfficialSlot = 0;  // the team official, listed first
inline constexpr int kLastPlayerSlot = 14;
inline constexpr int kRosterLines = 15;  // the official and 14 players

inline constexpr std::string_view kOfficialWord = "監督";
inline constexpr std::string_view kTotalWord = "Total";

// Numbers kept in match files (an event's action): never renumber.
enum class Action : int {
  Goal = 1,
  ShotMiss = 2,
  KeepMiss = 3,
  PenaltyWon = 4,
  TimeOut = 5,
  Foul = 6,
};
inline constexpr int kActions = 6;

// By action code (index 0 unused).
inline constexpr std::array<std::string_view, 7> kActionWords = {
    "", "得点", "シュートミス", "保持ミス", "PT(獲得)", "作戦タイム", "反則"};

inline std::string_view actionWord(Action a) {
  return kActionWords[static_cast<int>(a)];
}
inline bool isShot(Action a) {
  return a == Action::Goal || a == Action::ShotMiss;
}
// The official may only take a time-out or commit a foul.
inline bool allowedForSlot(Action a, int slot) {
  return slot != kOfficialSlot || a == Action::TimeOut || a == Action::Foul;
}

// Court places 1..10; the bench (11) only takes time-outs. In the shot
// table, place 11 is the totals row. Numbers kept in match files (an
// event's place): never renumber.
namespace place {
inline constexpr int kLeftWing = 1, kLeftPost = 2, kCentrePost = 3, kRightPost = 4, kRightWing = 5,
                     kLeftBack = 6, kCentre = 7, kRightBack = 8, kOpponentHalf = 9,
                     kPenaltyThrow = 10, kBench = 11;
}
inline constexpr int kCourtPlaces = 10;
// A time-out is taken at the bench, everything else on the court.
inline bool placeAllowed(Action a, int place) {
  if (a == Action::TimeOut) return place == place::kBench;
  return place >= 1 && place <= kCourtPlaces;
}
inline constexpr std::array<std::string_view, 12> kPlaceWords = {
    "",       "左サイド", "左ポスト", "中ポスト", "右ポスト", "右サイド",
    "左４５", "センター", "右４５",   "相手陣地", "PT",       "ベンチ"};

// The details below are kept in match files by their index in these lists
// (an event's detail): never reorder, only add at the end.
// Goal zones: outside left, the 3 x 3 zones column by column, outside right.
inline constexpr int kGoalZones = 11;
inline constexpr std::array<std::string_view, 12> kZoneWords = {
    "", "左外", "左上", "左中", "左下", "中上", "中中", "中下", "右上", "右中", "右下", "右外"};

inline constexpr int kKeepMissKinds = 7;
inline constexpr std::array<std::string_view, 8> kKeepMissWords = {
    "", "パス", "キャッチ", "ライン", "オーバー", "チャージ", "パッシブ", "その他"};

inline constexpr std::array<std::string_view, 5> kPenaltyReasonWords = {
    "", "ライン内", "シュート阻止", "GKへのパス", "その他"};

enum class Sanction : int { Warning = 1, Suspension = 2, Disqualification = 3 };
inline constexpr std::array<std::string_view, 4> kSanctionWords = {"", "警告", "退場", "失格"};

// The periods of play by number: the two halves, the two of overtime, then
// the two of the second overtime, and the 7 m shoot-out. Numbers kept in
// match files (an event's half): never renumber.
inline constexpr std::array<std::string_view, 8> kPeriodWords = {
    "", "前半", "後半", "延長前半", "延長後半", "第2延長前半", "第2延長後半", "7mTC"};
inline constexpr int kMostPeriods = 7;  // the 7 m shoot-out

inline constexpr std::array<std::string_view, 5> kSituationWords = {"", "リード", "リード→同点",
                                                                    "負→同点", "負け"};

// How many details the action's last step offers (goal zones for shots).
int detailCount(Action a);
// The word of detail `code` of an action: a goal zone, a kind of lost
// possession, a penalty-throw reason, a sanction or a score situation.
std::string_view detailWord(Action a, int code);

// The heads of an event log.
inline constexpr std::array<std::string_view, 6> kLogHeads = {"when", "No.",   "who",
                                                              "play", "where", "what"};
