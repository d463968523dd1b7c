// The shot chart: each mark inside the area of its place on the court
// picture, marks kept apart, the same chart every time it is drawn.
#include "shot_chart.h"

#include <gtest/gtest.h>

#include <cmath>

#include "match_script.h"

namespace {

double distance(CourtPoint a, CourtPoint b) {
  return std::hypot(a.x - b.x, a.y - b.y);
}

// The whole mark inside the place's area: its centre and its rim.
::testing::AssertionResult markInside(const ShotMark& m) {
  for (int step = 0; step < 16; ++step) {
    const double angle = step * M_PI / 8;
    const CourtPoint rim{m.at.x + kMarkRadius * std::cos(angle),
                         m.at.y + kMarkRadius * std::sin(angle)};
    if (!inPlace(m.place, rim) || !inPlace(m.place, m.at))
      return ::testing::AssertionFailure()
             << "mark at (" << m.at.x << ", " << m.at.y << ") leaves place " << m.place;
  }
  return ::testing::AssertionSuccess();
}

void expectApart(const std::vector<ShotMark>& marks) {
  for (size_t a = 0; a < marks.size(); ++a)
    for (size_t b = a + 1; b < marks.size(); ++b)
      EXPECT_GE(distance(marks[a].at, marks[b].at), 2 * kMarkRadius)
          << "events " << marks[a].event << " and " << marks[b].event;
}

// Every place of the court dialog is where its button stands: a shot
// clicked there is drawn there.
TEST(CourtGeometry, PlacesLieWhereTheirButtonsStand) {
  const std::pair<int, CourtPoint> clicked[] = {
      {place::kLeftWing, {64, 132}},      {place::kLeftPost, {112, 192}},
      {place::kCentrePost, {256, 192}},   {place::kRightPost, {376, 200}},
      {place::kRightWing, {424, 140}},    {place::kLeftBack, {112, 284}},
      {place::kCentre, {256, 284}},       {place::kRightBack, {384, 284}},
      {place::kOpponentHalf, {252, 368}}, {place::kPenaltyThrow, {256, 216}},
  };
  for (const auto& [place, point] : clicked)
    for (int other = 1; other <= kCourtPlaces; ++other)
      EXPECT_EQ(inPlace(other, point), other == place) << "place " << other;
  // The goal area, the goal and the bench are no place to shoot from.
  for (CourtPoint p : {CourtPoint{250, 120}, CourtPoint{250, 50}, CourtPoint{460, 244}})
    for (int place = 1; place <= kCourtPlaces; ++place) EXPECT_FALSE(inPlace(place, p));
}

TEST(CourtGeometry, PlacesNeverOverlapAndStayInTheirBounds) {
  for (int y = 0; y < kCourtPictureHeight; ++y)
    for (int x = 0; x < kCourtPictureWidth; ++x) {
      int places = 0;
      for (int place = 1; place <= kCourtPlaces; ++place) {
        const CourtPoint p{x + 0.5, y + 0.5};
        if (!inPlace(place, p)) continue;
        ++places;
        EXPECT_TRUE(placeBounds(place).contains(p)) << x << "," << y;
      }
      ASSERT_LE(places, 1) << x << "," << y;
    }
  for (int place = 1; place <= kCourtPlaces; ++place)
    EXPECT_TRUE(inPlace(place, placeAnchor(place))) << place;
}

TEST(CourtGeometry, ZonesFollowTheGoalsCells) {
  // Column by column: 左上 2, 左中 3, 左下 4, then the middle and right columns.
  EXPECT_TRUE(zoneRect(2).contains({200, 30}));
  EXPECT_TRUE(zoneRect(4).contains({200, 80}));
  EXPECT_TRUE(zoneRect(6).contains({256, 54}));
  EXPECT_TRUE(zoneRect(8).contains({300, 30}));
  EXPECT_TRUE(zoneRect(10).contains({300, 80}));
  EXPECT_LT(zoneRect(1).right, zoneRect(2).left);
  EXPECT_GT(zoneRect(11).left, zoneRect(10).right);
}

TEST(ShotChart, OneMarkPerCompletedShotInItsPlace) {
  ScriptedMatch scripted;
  playMatchScript(scripted.screen, testDataPath("analysis_example.match"));
  const Match& m = scripted.match;
  const std::vector<ShotMark> east = shotChart(m, TeamId::One);
  ASSERT_EQ(east.size(), 6u);
  // In recorded order: goal 左サイド, miss センター 左外, 7 m goal, ...
  EXPECT_TRUE(east[0].goal);
  EXPECT_EQ(east[0].place, place::kLeftWing);
  EXPECT_EQ(east[0].zone, 2);
  EXPECT_EQ(east[0].at, placeAnchor(place::kLeftWing));
  EXPECT_FALSE(east[1].goal);
  EXPECT_EQ(east[1].zone, 1);
  EXPECT_EQ(east[2].place, place::kPenaltyThrow);
  EXPECT_EQ(m.events()[east[2].event].name, "石田");
  // The second shot from the left wing goes beside the first.
  EXPECT_EQ(east[5].place, place::kLeftWing);
  EXPECT_NEAR(distance(east[5].at, east[0].at), 11, 1e-9);
  for (const ShotMark& mark : east) EXPECT_TRUE(markInside(mark));
  expectApart(east);

  const std::vector<ShotMark> ishida = shotChart(m, TeamId::One, 2);
  ASSERT_EQ(ishida.size(), 3u);
  for (const ShotMark& mark : ishida) EXPECT_EQ(mark.slot, 2);
  EXPECT_TRUE(shotChart(m, TeamId::One, 3).empty());  // never shot
  EXPECT_EQ(shotChart(m, TeamId::Two).size(), 5u);
}

TEST(ShotChart, FullMatchMarksStayApartAndInsideTheirPlaces) {
  // 200 events per team, 80 of them shots, most from the backs, 8 of them
  // 7 m throws: more than most matches see.
  constexpr int kPlaces[] = {6, 7, 8, 6, 7, 8, 6, 7, 8, 1, 5, 1, 5, 2, 3, 4, 10, 10, 9, 7};
  Match m;
  m.timeOfDay = [] { return 0.5; };
  m.startClock();
  for (int n = 0; n < 400; ++n) {
    const TeamId team = teamAt(n % 2);
    const int k = n / 2;
    ASSERT_TRUE(m.pickPerson(team, 1 + k % 14));
    if (k % 5 >= 2) {
      ASSERT_TRUE(m.chooseAction(Action::KeepMiss));
      ASSERT_TRUE(m.choosePlace(place::kCentre));
      ASSERT_TRUE(m.chooseDetail(1));
      continue;
    }
    ASSERT_TRUE(m.chooseAction(k % 3 == 0 ? Action::Goal : Action::ShotMiss));
    ASSERT_TRUE(m.choosePlace(kPlaces[(k / 5 * 2 + k % 5) % 20]));
    ASSERT_TRUE(m.chooseDetail(1 + k % 11));
  }
  for (TeamId team : kBothTeams) {
    const std::vector<ShotMark> marks = shotChart(m, team);
    ASSERT_EQ(marks.size(), 80u);
    for (const ShotMark& mark : marks) EXPECT_TRUE(markInside(mark));
    expectApart(marks);
    EXPECT_EQ(shotChart(m, team).back().at, marks.back().at);  // drawn again the same
  }
}

TEST(ShotChart, EveryPlaceHasRoomForAMatchsShots) {
  const std::pair<int, int> room[] = {
      {place::kPenaltyThrow, 15},  {place::kCentrePost, 27}, {place::kLeftPost, 44},
      {place::kRightPost, 44},     {place::kLeftWing, 55},   {place::kRightWing, 55},
      {place::kLeftBack, 100},     {place::kCentre, 100},    {place::kRightBack, 100},
      {place::kOpponentHalf, 100},
  };
  for (const auto& [place, count] : room) {
    std::vector<ShotMark> marks;
    for (const CourtPoint& p : markPositions(place, count)) marks.push_back({p, true, place});
    for (const ShotMark& mark : marks) EXPECT_TRUE(markInside(mark));
    expectApart(marks);
  }
}

TEST(ShotChart, ACrowdedPlaceKeepsEveryMarkInsideIt) {
  const std::vector<CourtPoint> few = markPositions(place::kPenaltyThrow, 5);
  const std::vector<CourtPoint> many = markPositions(place::kPenaltyThrow, 60);
  ASSERT_EQ(many.size(), 60u);
  for (const CourtPoint& p : many) EXPECT_TRUE(inPlace(place::kPenaltyThrow, p));
  // Closer together than when there is room, but still at different points
  // until the finest grid is full.
  EXPECT_LT(distance(many[0], many[1]), distance(few[0], few[1]));
  for (size_t a = 0; a < many.size(); ++a)
    for (size_t b = a + 1; b < many.size(); ++b) EXPECT_FALSE(many[a] == many[b]);
  EXPECT_EQ(markPositions(place::kPenaltyThrow, 5000).size(), 5000u);
  EXPECT_TRUE(markPositions(place::kBench, 3).empty());
}

}  // namespace
