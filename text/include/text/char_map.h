// CharMap: a 256-entry character translation table.
#pragma once

#include <array>
#include <cstdint>

#include "text/text.h"

namespace qiro {

// A new map is the identity.
struct CharMap {
  std::array<std::uint8_t, 256> entries = identity();

  static constexpr std::array<std::uint8_t, 256> identity() {
    std::array<std::uint8_t, 256> e{};
    for (std::size_t c = 0; c < e.size(); ++c)
      e[c] = static_cast<std::uint8_t>(c);
    return e;
  }
};

constexpr int byteCode(char c) {
  return static_cast<unsigned char>(c);
}

void resetMap(CharMap& map);
// Each character of from maps to the character at the same place in to; later places
// win. Nothing changes when the lengths differ or from is empty.
void defineMap(CharMap& map, TextView from, TextView to);
void applyMap(const CharMap& map, Text& buf);

}  // namespace qiro
