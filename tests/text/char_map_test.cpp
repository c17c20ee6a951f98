// Tests of character maps.
#include "text/char_map.h"

#include <gtest/gtest.h>

namespace qiro {
namespace {

Text mapped(const CharMap& map, const char* s) {
  Text t(s);
  applyMap(map, t);
  return t;
}

TEST(CharMap, ResetMapIsTheIdentity) {
  CharMap map;
  defineMap(map, "ab", "xy");
  resetMap(map);
  EXPECT_EQ(mapped(map, "CAB-cab \xE9\xFF").view(), "CAB-cab \xE9\xFF");
}

TEST(CharMap, DefineMapOverridesOnlyTheCharactersItNames) {
  CharMap map;
  defineMap(map, "ABC", "BCA");
  EXPECT_EQ(mapped(map, "CAB-cab").view(), "ABC-cab");
  defineMap(map, "AB", "X");  // lengths differ: nothing changes
  EXPECT_EQ(mapped(map, "A").view(), "B");
  defineMap(map, "", "");
  EXPECT_EQ(mapped(map, "A").view(), "B");
  defineMap(map, "AA", "XY");  // the later place wins
  EXPECT_EQ(mapped(map, "A").view(), "Y");
  defineMap(map, "\xE9", "e");
  EXPECT_EQ(mapped(map, "\xE9t\xE9").view(), "ete");
}

}  // namespace
}  // namespace qiro
