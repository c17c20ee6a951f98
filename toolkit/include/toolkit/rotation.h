// Rotation: turns points about the origin, exactly for quarter turns.
#pragma once

#include <span>

#include "text/numeric.h"

namespace qiro {

class Rotation {
 public:
  // Stores the angle. When the degrees plus a quarter, rounded down and brought into 0 to
  // 359, make 0, 90, 180 or 270, the rotation is exact: it turns by that quarter turn with
  // no rounding error at all.
  void setAngle(float degrees);
  // Turns (x, y) counter-clockwise (y up): x' = x cos a - y sin a, y' = x sin a + y cos a.
  void turn(float x, float y);

  float degrees() const { return degrees_; }
  float radians() const { return radians_; }
  bool exact() const { return exact_; }
  // 0, 90, 180 or 270 for an exact rotation, else 0.
  int quarter() const { return quarter_; }
  // The turned point of the last turn.
  float x() const { return x_; }
  float y() const { return y_; }

 private:
  float degrees_ = 0;
  float radians_ = 0;
  bool exact_ = true;
  int quarter_ = 0;
  float x_ = 0;
  float y_ = 0;
};

// Turns every point about the origin with one rotation, each result truncated toward zero.
void turnPoints(std::span<Point> points, float degrees);

// A pixel value from a computed one: truncated toward zero and kept within 16 bits (NaN
// gives 0), so no length can wrap round into a negative one.
int truncToShort(double value);

}  // namespace qiro
