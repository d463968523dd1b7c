#include "court_geometry.h"

#include <array>

#include "words.h"

namespace {

// The lines of the picture, as make_pictures.py draws them.
constexpr double kCourtLeft = 28, kCourtTop = 90, kCourtRight = 460, kCourtBottom = 402;
constexpr double kCentreLineY = 318;
constexpr double kAreaLeft = 89, kAreaRight = 411, kAreaBottom = 185;
constexpr double kAreaRx = 95, kAreaCy = 91, kAreaRy = 94;
constexpr double kAreaCxLeft = kAreaLeft + kAreaRx, kAreaCxRight = kAreaRight - kAreaRx;
constexpr double kFreeY = 234, kFreeRx = 175, kFreeRy = kFreeY - kAreaCy;
constexpr double kGoalInnerLeft = 182, kGoalInnerRight = 329, kGoalInnerTop = 16;
constexpr double kGoalRows[] = {kGoalInnerTop, 42, 66, kCourtTop};
constexpr double kGoalCols[] = {kGoalInnerLeft, 232, 280, kGoalInnerRight};

// Where the places divide.
constexpr double kWingEdgeLeft = 105, kWingEdgeRight = 395;
constexpr double kPostEdgeLeft = 195, kPostEdgeRight = 305;
constexpr double kBackEdgeLeft = 190, kBackEdgeRight = 310;
constexpr CourtRect kPenaltyBox{220, 198, 280, 233};

// The goal area and the free-throw line share a shape: straight in the
// middle, a quarter ellipse at each side centred on the goal line.
bool insideRoundedArea(CourtPoint p, double rx, double ry, double straightY) {
  if (p.y < kAreaCy) return false;
  if (p.x >= kAreaCxLeft && p.x <= kAreaCxRight) return p.y <= straightY;
  const double cx = p.x < kAreaCxLeft ? kAreaCxLeft : kAreaCxRight;
  const double dx = (p.x - cx) / rx, dy = (p.y - kAreaCy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

bool inGoalArea(CourtPoint p) {
  return p.x >= kAreaLeft && p.x <= kAreaRight &&
         insideRoundedArea(p, kAreaRx + 0.5, kAreaRy + 0.5, kAreaBottom);
}

bool inOwnHalf(CourtPoint p) {
  return p.x > kCourtLeft && p.x < kCourtRight && p.y >= kAreaCy && p.y < kCentreLineY;
}

// Between the goal area and the free-throw line.
bool inNineMetreBand(CourtPoint p) {
  return inOwnHalf(p) && !inGoalArea(p) && insideRoundedArea(p, kFreeRx, kFreeRy, kFreeY);
}

bool beyondFreeThrowLine(CourtPoint p) {
  return inOwnHalf(p) && !insideRoundedArea(p, kFreeRx, kFreeRy, kFreeY);
}

}  // namespace

bool inPlace(int place, CourtPoint p) {
  using namespace place;
  switch (place) {
    case kLeftWing:
      return inNineMetreBand(p) && p.x < kWingEdgeLeft;
    case kLeftPost:
      return inNineMetreBand(p) && p.x >= kWingEdgeLeft && p.x < kPostEdgeLeft;
    case kCentrePost:
      return inNineMetreBand(p) && p.x >= kPostEdgeLeft && p.x < kPostEdgeRight &&
             !kPenaltyBox.contains(p);
    case kRightPost:
      return inNineMetreBand(p) && p.x >= kPostEdgeRight && p.x < kWingEdgeRight;
    case kRightWing:
      return inNineMetreBand(p) && p.x >= kWingEdgeRight;
    case kLeftBack:
      return beyondFreeThrowLine(p) && p.x < kBackEdgeLeft;
    case kCentre:
      return beyondFreeThrowLine(p) && p.x >= kBackEdgeLeft && p.x < kBackEdgeRight;
    case kRightBack:
      return beyondFreeThrowLine(p) && p.x >= kBackEdgeRight;
    case kOpponentHalf:
      return p.x > kCourtLeft && p.x < kCourtRight && p.y > kCentreLineY && p.y < kCourtBottom;
    case kPenaltyThrow:
      return kPenaltyBox.contains(p);
    default:
      return false;
  }
}

CourtRect placeBounds(int place) {
  using namespace place;
  switch (place) {
    case kLeftWing:
      return {kCourtLeft, kCourtTop, kWingEdgeLeft, kFreeY};
    case kLeftPost:
      return {kWingEdgeLeft, kCourtTop, kPostEdgeLeft, kFreeY};
    case kCentrePost:
      return {kPostEdgeLeft, kAreaBottom, kPostEdgeRight, kFreeY};
    case kRightPost:
      return {kPostEdgeRight, kCourtTop, kWingEdgeRight, kFreeY};
    case kRightWing:
      return {kWingEdgeRight, kCourtTop, kCourtRight, kFreeY};
    case kLeftBack:
      return {kCourtLeft, kCourtTop, kBackEdgeLeft, kCentreLineY};
    case kCentre:
      return {kBackEdgeLeft, kFreeY, kBackEdgeRight, kCentreLineY};
    case kRightBack:
      return {kBackEdgeRight, kCourtTop, kCourtRight, kCentreLineY};
    case kOpponentHalf:
      return {kCourtLeft, kCentreLineY, kCourtRight, kCourtBottom};
    case kPenaltyThrow:
      return kPenaltyBox;
    default:
      return {};
  }
}

CourtPoint placeAnchor(int place) {
  // Near the middle of each area, mirrored left and right.
  constexpr std::array<CourtPoint, kCourtPlaces + 1> kAnchors = {{
      {0, 0},
      {62, 130},
      {150, 206},
      {250, 192},
      {350, 206},
      {438, 130},
      {112, 284},
      {250, 280},
      {388, 284},
      {250, 360},
      {250, 216},
  }};
  return place >= 1 && place <= kCourtPlaces ? kAnchors[place] : CourtPoint{};
}

CourtRect zoneRect(int zone) {
  if (zone == 1) return {80, 16, 137, 65};
  if (zone == kGoalZones) return {368, 16, 425, 65};
  if (zone < 1 || zone > kGoalZones) return {};
  const int col = (zone - 2) / 3, row = (zone - 2) % 3;
  return {kGoalCols[col], kGoalRows[row], kGoalCols[col + 1], kGoalRows[row + 1]};
}
