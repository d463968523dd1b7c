// Where the places and goal zones lie on the court picture
// (resources/court.bmp, drawn by resources/make_pictures.py), in the
// picture's own pixels, origin top left. The areas follow the lines the
// picture shows: the goal area, the dashed free-throw line, the centre line
// and the goal's 3 x 3 cells, so a mark drawn inside an area lands in the
// part of the court its place names.
#pragma once

inline constexpr int kCourtPictureWidth = 500;
inline constexpr int kCourtPictureHeight = 442;

struct CourtPoint {
  double x = 0;
  double y = 0;
  bool operator==(const CourtPoint&) const = default;
};

struct CourtRect {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  double width() const { return right - left; }
  double height() const { return bottom - top; }
  bool contains(CourtPoint p) const {
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
  }
};

// The areas of the court places 1..10, which do not overlap:
//  - between the goal area and the free-throw line, from left to right, the
//    left wing (up to x 105), the left post, the centre post (x 195 to 305,
//    less the 7 m throws' box), the right post and the right wing (from x 395);
//  - "PT": a box from the 7 m mark (y 197) to the free-throw line, x 222 to 278;
//  - beyond the free-throw line up to the centre line: left back (up to
//    x 190), centre, right back (from x 310);
//  - below the centre line: the opponent's half.
bool inPlace(int place, CourtPoint p);
// A rectangle round the whole area of a place.
CourtRect placeBounds(int place);
// Where a place's first mark goes, near the middle of its area.
CourtPoint placeAnchor(int place);

// The cell of a goal zone (1..11): the nine cells inside the goal, and
// outside left and right where the court dialog's buttons for them stand.
CourtRect zoneRect(int zone);
