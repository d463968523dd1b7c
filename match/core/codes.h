// Codes shared by every window: teams, slots, actions, court locations, goal
// zones, keep-miss kinds, sanctions and the rows of the team tallies. A choice
// button's caption is the text that goes into the event log; its code indexes
// the counters.
#pragma once

#include <array>
#include <string_view>

namespace codes {

inline constexpr int kTeams = 2;
inline constexpr int kOfficialSlot = 0;  // the team official, "監督"
inline constexpr int kLastPlayerSlot = 14;
inline constexpr int kTotalSlot = 15;  // filled by the table builders

enum Action : int {
  kGoal = 1,
  kShotMiss = 2,
  kKeepMiss = 3,
  kPenaltyWon = 4,
  kTimeOut = 5,
  kFoul = 6,
};

// Play texts indexed by action code (index 0 unused).
inline constexpr std::array<std::string_view, 7> kPlayText = {
    "", "得点", "シュートミス", "保持ミス", "PT(獲得)", "作戦タイム", "反則"};

inline constexpr int kLocations = 10;  // 1..10 are places on the court
inline constexpr int kBench = 11;      // only for time-outs; the totals row in tables
inline constexpr std::array<std::string_view, 12> kLocationCaption = {
    "",       "左サイド", "左ポスト", "中ポスト", "右ポスト", "右サイド",
    "左４５", "センター", "右４５",   "相手陣地", "PT",       "ベンチ"};

inline constexpr int kZones = 11;
inline constexpr std::array<std::string_view, 12> kZoneCaption = {
    "", "左外", "左上", "左中", "左下", "中上", "中中", "中下", "右上", "右中", "右下", "右外"};

inline constexpr int kKeepMissKinds = 7;
inline constexpr std::array<std::string_view, 8> kKeepMissCaption = {
    "", "パス", "キャッチ", "ライン", "オーバー", "チャージ", "パッシブ", "その他"};

inline constexpr std::array<std::string_view, 5> kPenaltyReasonCaption = {
    "", "ライン内", "シュート阻止", "GKへのパス", "その他"};

enum Sanction : int { kWarning = 1, kSuspension = 2, kDisqualification = 3 };
inline constexpr std::array<std::string_view, 4> kSanctionCaption = {"", "警告", "退場", "失格"};

inline constexpr std::array<std::string_view, 5> kSituationCaption = {"", "リード", "リード→同点",
                                                                      "負→同点", "負け"};

// Rows of the team tallies: action - 1 for actions 1..5, sanction + 4.
enum TallyKind : int {
  kTallyGoal = 0,
  kTallyShotMiss = 1,
  kTallyKeepMiss = 2,
  kTallyPenaltyWon = 3,
  kTallyTimeOut = 4,
  kTallyWarning = 5,
  kTallySuspension = 6,
  kTallyDisqualification = 7,
  kTallyContribution = 8,
};
inline constexpr int kTallyKinds = 9;

// Roster grid columns of the team sheet; team 2's columns are 7 further right.
inline constexpr int kRosterNumberCol = 1;
inline constexpr int kRosterNameCol = 2;
inline constexpr int kRosterGoalCol = 3;
inline constexpr int kTeam2ColOffset = 7;
inline constexpr int rosterCol(int team, int team1Col) {
  return team == 2 ? team1Col + kTeam2ColOffset : team1Col;
}

}  // namespace codes
