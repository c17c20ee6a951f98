// Tests of reading grid definition tokens.
#include "game/hex_label.h"

#include <gtest/gtest.h>

#include <string>

#include "hexagon/hex_path.h"

namespace qiro {
namespace {

TEST(HexLabel, TokensAreReadAsFarAsTheGrammarAllows) {
  struct Case {
    const char* token;
    bool isHexagon;
    const char* hexagon;  // the label of the token's path
    bool isCell;
    const char* cell;  // checked for cells only
    int value;
    int clue;
  };
  const Case cases[] = {
      {"X", true, "", false, ":AF", 0, 0},
      {"x", true, "", false, ":AF", 0, 0},
      {"XAA", true, "AA", false, "AA:AF", 0, 0},
      {"XA2", true, "AA", false, "AA:AF", 0, 0},
      {"XAC", true, "B", false, "B:AF", 0, 0},
      {"XDA", true, "", false, ":AF", 0, 0},
      {":AB", false, "", true, ":AB", 0, 0},
      {":AF", false, "", true, ":AF", 0, 0},
      {"WPJ", false, "", true, ":AB", 1, 0},
      {"WPJ%90", false, "", true, ":AB", 1, 90},
      {"wpj%90", false, "", true, ":AB", 1, 90},
      {"XAVUK%75", true, "A", true, "A:AF", 6, 75},
      {"XWJJ", true, "", true, ":AB", 1, 0},
      {"VOX%5,7", false, "", true, ":AF", 6, 5},
      // The long suffix names the place only.
      {":ABPJ%90", false, "", true, ":AB", 0, 0},
      // A value letter outside J..U: no value, the clue is still read.
      {"WZJ%90", false, "", true, ":AB", 0, 90},
      // The character after the value letter is skipped whatever it is.
      {"WP%90", false, "", true, ":AB", 1, 0},
      {"WP", false, "", true, ":AB", 1, 0},
      {"W", false, "", true, ":AB", 0, 0},
      {"WPJ%", false, "", true, ":AB", 1, 0},
      {"WPJ%-3", false, "", true, ":AB", 1, -3},
      // Neither marker nor suffix.
      {"", false, "", false, ":AF", 0, 0},
      {"AB", false, "AB", false, "AB:AF", 0, 0},
      {"X:AC", true, "", false, ":AF", 0, 0},
      {"XA-W", true, "A", false, "A:AF", 0, 0},
      {"?X", false, "", false, ":AF", 0, 0},
      // A digit that follows no letter ends the path.
      {"X3A", true, "", false, ":AF", 0, 0},
      {"B:AF", false, "B", true, "B:AF", 0, 0},
  };
  for (const Case& c : cases) {
    const HexLabel label = parseHexLabel(c.token);
    EXPECT_EQ(label.isHexagon, c.isHexagon) << c.token;
    EXPECT_EQ(hexagonLabelOf(label).view(), c.hexagon) << c.token;
    EXPECT_EQ(label.isCell, c.isCell) << c.token;
    if (c.isCell) {
      EXPECT_EQ(cellLabelOf(label).view(), c.cell) << c.token;
    }
    EXPECT_EQ(label.value, c.value) << c.token;
    EXPECT_EQ(label.clue, c.clue) << c.token;
  }
}

TEST(HexLabel, AnOverlongPathIsCut) {
  const std::string token = "X" + std::string(500, 'A') + "W";
  const HexLabel label = parseHexLabel(token);
  EXPECT_TRUE(label.isHexagon);
  EXPECT_TRUE(label.isCell);
  EXPECT_EQ(hexagonLabelOf(label).view(), std::string(kMaxPathSteps, 'A'));
}

}  // namespace
}  // namespace qiro
