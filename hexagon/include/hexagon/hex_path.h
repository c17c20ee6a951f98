// HexPath: a walk over the hexagonal tiling, as step counts in the six directions.
#pragma once

#include <array>
#include <cstdint>

#include "text/text.h"

namespace qiro {

// The six directions A to F, counter-clockwise, 60 degrees apart.
enum Direction { kA, kB, kC, kD, kE, kF };
constexpr int kDirections = 6;

// A path holds at most this many steps; the steps of a longer text are not read.
constexpr int kMaxPathSteps = 240;

struct HexPath {
  std::array<int, kDirections> steps{};
  bool parsed = false;
  bool normalised = false;
  bool expandedCached = false;
  bool compactCached = false;
  Text cache;  // the last text form produced
};

// Letters A to F (either case) add a step; a digit 1 to 9 right after a letter adds
// that many steps minus one; any other character, or a digit that follows no letter,
// ends the path.
void parsePath(HexPath& path, TextView text);
// Cancels opposite steps and merges steps 120 degrees apart until at most two
// neighbouring directions remain.
void normalise(HexPath& path);
// Normalised, one letter per step, A steps first: "AAB".
const Text& expandedText(HexPath& path);
// Normalised, runs of 2 to 9 steps written as letter and digit: "A9A3".
const Text& compactText(HexPath& path);
// The sum of the steps in the directions whose letters are given.
int stepsIn(const HexPath& path, TextView letters);

}  // namespace qiro
