// The numbers a match file holds for what the program knows by name: files
// written by earlier versions are read with them, so a renumbered value
// fails here rather than in the operators' old files.
#include <gtest/gtest.h>

#include <string>

#include "edit_history.h"
#include "event.h"
#include "match_settings.h"
#include "stored_screen.h"
#include "video_link.h"
#include "words.h"

namespace {

template <typename Words>
std::string joined(const Words& words) {
  std::string text;
  for (size_t i = 1; i < words.size(); ++i)
    text += std::string(words[i]) + (i + 1 < words.size() ? " " : "");
  return text;
}

TEST(MatchFileNumbers, StayAsEarlierVersionsWroteThem) {
  auto n = [](auto value) { return static_cast<int>(value); };
  EXPECT_EQ(n(Action::Goal), 1);
  EXPECT_EQ(n(Action::ShotMiss), 2);
  EXPECT_EQ(n(Action::KeepMiss), 3);
  EXPECT_EQ(n(Action::PenaltyWon), 4);
  EXPECT_EQ(n(Action::TimeOut), 5);
  EXPECT_EQ(n(Action::Foul), 6);
  EXPECT_EQ(joined(kActionWords), "得点 シュートミス 保持ミス PT(獲得) 作戦タイム 反則");

  // Places by number, and each kind of detail by its index.
  EXPECT_EQ(place::kLeftWing, 1);
  EXPECT_EQ(place::kPenaltyThrow, 10);
  EXPECT_EQ(place::kBench, 11);
  EXPECT_EQ(
      joined(kPlaceWords),
      "左サイド 左ポスト 中ポスト 右ポスト 右サイド 左４５ センター 右４５ 相手陣地 PT ベンチ");
  EXPECT_EQ(joined(kZoneWords), "左外 左上 左中 左下 中上 中中 中下 右上 右中 右下 右外");
  EXPECT_EQ(joined(kKeepMissWords), "パス キャッチ ライン オーバー チャージ パッシブ その他");
  EXPECT_EQ(joined(kPenaltyReasonWords), "ライン内 シュート阻止 GKへのパス その他");
  EXPECT_EQ(joined(kSanctionWords), "警告 退場 失格");
  EXPECT_EQ(joined(kSituationWords), "リード リード→同点 負→同点 負け");
  EXPECT_EQ(joined(kPeriodWords), "前半 後半 延長前半 延長後半 第2延長前半 第2延長後半 7mTC");
  EXPECT_EQ(kMostPeriods, 7);  // the second overtime's halves are 5 and 6
  EXPECT_EQ(Periods::kShootOut, 7);

  EXPECT_EQ(n(TeamId::One), 1);
  EXPECT_EQ(n(TeamId::Two), 2);
  EXPECT_EQ(n(Stage::None), 0);
  EXPECT_EQ(n(Stage::PersonCleared), 1);
  EXPECT_EQ(n(Stage::PersonPicked), 2);
  EXPECT_EQ(n(Stage::ActionChosen), 3);
  EXPECT_EQ(n(Stage::PlaceChosen), 4);
  EXPECT_EQ(n(EditKind::Replace), 1);
  EXPECT_EQ(n(EditKind::Remove), 2);
  EXPECT_EQ(n(EditKind::Insert), 3);
  EXPECT_EQ(n(TimeOutRule::ThreePerMatch), 0);
  EXPECT_EQ(n(TimeOutRule::OnePerHalf), 1);
  EXPECT_EQ(n(MissOutcome::Unsaid), 0);
  EXPECT_EQ(n(MissOutcome::Saved), 1);
  EXPECT_EQ(n(MissOutcome::Post), 2);
  EXPECT_EQ(n(MissOutcome::Blocked), 3);
  EXPECT_EQ(n(MissOutcome::Wide), 4);
  EXPECT_EQ(joined(kMissOutcomeWords), "セーブ ポスト ブロック 枠外");
  EXPECT_EQ(n(AttackKind::Set), 0);
  EXPECT_EQ(n(AttackKind::FastBreak), 1);
  EXPECT_EQ(n(AttackKind::Breakthrough), 2);
  EXPECT_EQ(n(AttackKind::EmptyGoal), 3);
  // A file's written report (1) belongs to action 6 with detail 3 alone.
  EXPECT_TRUE(takesWrittenReport(static_cast<Action>(6), 3));
  // Times of day are fractions of a day; -1 is "not known" (a pick's time,
  // a video position, a run still running, a point set on the video alone).
  EXPECT_EQ(Event{}.pickedAt, -1);
  EXPECT_EQ(Event{}.videoAt, -1);
  EXPECT_EQ(ClockRun{}.stoppedAt, -1);
  EXPECT_EQ(SyncPoint{}.timeOfDay, -1);
  EXPECT_EQ(MatchSettings{}.clipLeadSeconds, 5);
  EXPECT_EQ(MatchSettings{}.clipTailSeconds, 3);

  // The windows, as numbers of the front order and bits of the shown ones.
  const StoredWindow windows[] = {
      StoredWindow::TeamSheet, StoredWindow::Match,        StoredWindow::Court,
      StoredWindow::KeepMiss,  StoredWindow::PenaltyThrow, StoredWindow::Foul,
      StoredWindow::TimeOut,   StoredWindow::Splash,       StoredWindow::Analysis};
  for (int i = 0; i < kStoredWindows; ++i) {
    EXPECT_EQ(n(windows[i]), i + 1);
    EXPECT_EQ(windowBit(windows[i]), int64_t{2} << i);
  }
}

}  // namespace
