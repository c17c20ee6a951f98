// NumberSet: the numbers 1 to 6 as bits of a 16-bit value, and the shared tables over it.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace qiro {

// Bit n-1 stands for number n.
using NumberSet = std::uint16_t;

constexpr int kHighestNumber = 6;
constexpr NumberSet kAllNumbers = 63;

// Indexed by number 0 to 7; 0 and 7 name no number and hold the empty set.
constexpr std::array<NumberSet, 8> kSingleNumberSet = {0, 1, 2, 4, 8, 16, 32, 0};
constexpr std::array<NumberSet, 8> kAllButNumberSet = {0, 62, 61, 59, 55, 47, 31, 0};

// Indexed by every set 0 to 63.
constexpr std::array<int, 64> kBitCount = [] {
  std::array<int, 64> counts{};
  for (unsigned s = 0; s < counts.size(); ++s)
    counts[s] = std::popcount(s);
  return counts;
}();

// The tables, read safely for any argument: a number outside 1..6 gives the empty set.
constexpr NumberSet singleNumberSet(int n) {
  return n >= 1 && n <= kHighestNumber ? kSingleNumberSet[static_cast<std::size_t>(n)] : 0;
}
constexpr NumberSet allButNumberSet(int n) {
  return n >= 1 && n <= kHighestNumber ? kAllButNumberSet[static_cast<std::size_t>(n)] : 0;
}
constexpr int bitCount(NumberSet s) {
  return std::popcount(s);
}
constexpr bool hasNumber(NumberSet s, int n) {
  return (s & singleNumberSet(n)) != 0;
}

}  // namespace qiro
