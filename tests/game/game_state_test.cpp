// Tests of the game state text: encoding, decoding into a grid and the replay of moves.
#include "game/game_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/levels.h"
#include "grid_fixture.h"

namespace qiro {
namespace {

using Numbers = std::vector<int>;

// Six cells round the origin; cell 1 (:AB) is given with 5 at the default level.
constexpr const char* kGivenFive = "X,WTJ%100";

std::string stateOf(const Grid& grid) {
  return std::string(encodeState(grid).view());
}

Numbers valuesOf(const Grid& grid) {
  Numbers values;
  for (int c = 1; c <= grid.cellCount(); ++c)
    values.push_back(grid.cellValue(c));
  return values;
}

Numbers marksOf(const Grid& grid) {
  Numbers marks;
  for (int c = 1; c <= grid.cellCount(); ++c)
    marks.push_back(grid.marksOf(c));
  return marks;
}

TEST(GameState, EncodesOneCharacterPerCellThenShortens) {
  struct Case {
    const char* definition;
    Numbers values;  // by cell, missing ones empty
    Numbers marks;
    const char* state;
  };
  const Case cases[] = {
      {"X", {2}, {0, 0, 0, 9}, "BH11H"},
      {"X,XAA", {}, {}, "KKKK"},  // twelve cells
      {":AB,:AF", {}, {}, "H"},
      {":AB", {}, {}, "G"},
      {":AB", {}, {63}, "77"},
      {":AB", {}, {8}, "01"},
      {"X", {1}, {}, "AKH"},                          // "GGG" shortens before "GG"
      {"X", {1, 2, 3, 4, 5, 6}, {63, 63}, "ABCDEF"},  // a filled cell shows no marks
      {"", {}, {}, ""},
  };
  for (const Case& t : cases) {
    Grid grid = gridOf(t.definition);
    for (int c = 1; c <= std::ssize(t.values); ++c)
      grid.setCellValue(c, t.values[static_cast<std::size_t>(c - 1)]);
    for (int c = 1; c <= std::ssize(t.marks); ++c)
      grid.setMarks(c, static_cast<NumberSet>(t.marks[static_cast<std::size_t>(c - 1)]));
    EXPECT_EQ(stateOf(grid), t.state) << t.definition;
  }
}

TEST(GameState, RoundTripKeepsNumbersAndMarksThroughTheNextPaint) {
  Grid played = gridOf("X,XA,WTJ%100");
  ASSERT_EQ(played.cellCount(), 10);
  const Numbers values = {5, 0, 6, 0, 0, 1, 0, 2, 0, 0};
  const Numbers marks = {0, 63, 0, 1, 8, 0, 0, 0, 37, 0};
  for (int c = 2; c <= 10; ++c) {
    played.setCellValue(c, values[static_cast<std::size_t>(c - 1)]);
    played.setMarks(c, static_cast<NumberSet>(marks[static_cast<std::size_t>(c - 1)]));
  }
  const std::string state = stateOf(played);

  Grid restored = gridOf("X,XA,WTJ%100");
  decodeState(restored, state);
  EXPECT_EQ(valuesOf(restored), values);
  EXPECT_EQ(marksOf(restored), marks);
  restored.prepareForPlay();
  EXPECT_EQ(valuesOf(restored), values);
  EXPECT_EQ(marksOf(restored), marks);
  EXPECT_TRUE(restored.replayQueue().isEmpty());
  EXPECT_EQ(stateOf(restored), state);
}

// A state restored on a freshly loaded grid reaches the cells through the replay, and
// the level settled at that first paint must not empty them again at the next one.
TEST(GameState, RestoredGameSurvivesTheLevelOfAFreshGrid) {
  const char* definition = "X,WPJ%75,VQJ%80,CVRJ%90,DWSJ%95,DVTJ%100,EWUJ%120";
  Grid played = gridOf(definition);
  setDifficultyPercentage(played, 80);  // level 2, played at 95 on this open grid
  played.prepareForPlay();
  played.setCellValue(1, 2);
  played.setMarks(3, 5);
  const std::string state = stateOf(played);
  ASSERT_EQ(state, "BG50DEF");

  Grid fresh;
  fresh.setfromgrivecdef(definitionOf(definition));
  setDifficultyPercentage(fresh, 80);
  decodeState(fresh, state);
  fresh.prepareForPlay();
  EXPECT_EQ(stateOf(fresh), state);
  fresh.prepareForPlay();
  EXPECT_EQ(stateOf(fresh), state);
  EXPECT_TRUE(fresh.isGiven(4));
  EXPECT_FALSE(fresh.isGiven(1));
}

TEST(GameState, StateNotFittingReturnsToGivensAndStillReplays) {
  Grid grid = gridOf(kGivenFive);
  ASSERT_TRUE(grid.isGiven(1));
  grid.setCellValue(3, 2);
  grid.setMarks(2, 7);
  for (int c = 1; c <= 6; ++c)
    grid.setAllowedSet(c, kAllNumbers);

  decodeState(grid, "BH11H");
  EXPECT_EQ(valuesOf(grid), (Numbers{5, 0, 0, 0, 0, 0}));
  EXPECT_EQ(marksOf(grid), (Numbers{0, 0, 0, 0, 0, 0}));
  for (int c = 1; c <= 6; ++c)
    EXPECT_EQ(grid.allowedSet(c), 0) << c;
  EXPECT_TRUE(grid.isGiven(1));

  grid.prepareForPlay();
  EXPECT_EQ(valuesOf(grid), (Numbers{5, 0, 0, 0, 0, 0}));
  EXPECT_EQ(marksOf(grid), (Numbers{0, 0, 0, 9, 0, 0}));
}

// On the grid of kGivenFive holding 3 in cell 2 and marks {2} in cell 6 ("ECK20"): the
// state right after decoding and after the next paint. A state that does not fit shows
// as "EKH" (only the given 5) until its queued moves are replayed.
TEST(GameState, DecodesAnyTextWithoutHarm) {
  struct Case {
    std::string input;
    const char* decoded;
    const char* painted;
  };
  const Case cases[] = {
      // Shorter than the grid: the remaining cells keep what they held.
      {"", "ECK20", "ECK20"},
      {"E", "ECK20", "ECK20"},
      {"eak", "EAK20", "EAK20"},
      // A lone digit reads as marks with a high digit of 0, and a digit followed by
      // anything but 0 to 7 too; that character then stands for the next cell.
      {"ECH1", "ECH1020", "ECH1020"},
      {"E3A", "E30AH20", "E30AH20"},
      {"E38", "EKH", "E30KG"},
      // Characters outside the alphabet hold one cell's place and do not fit.
      {"E8", "EKH", "EKH"},
      {"E9C", "EKH", "EGCK"},
      {"E,C", "EKH", "EGCK"},
      {"E\311C", "EKH", "EGCK"},  // a letter beyond ASCII
      // A given cell keeps its number: another number does not fit; an empty cell or
      // marks there only set its marks.
      {"A", "EKH", "EKH"},
      {"G", "ECK20", "ECK20"},
      {"12", "ECK20", "ECK20"},
      // Longer than the grid.
      {"ECKGG", "EKH", "ECKG"},
      {"E" + std::string(4999, 'A'), "EKH", "EAAAAA"},
      {std::string(5000, '7'), "EKH", "E7777777777"},
  };
  for (const Case& t : cases) {
    SCOPED_TRACE(t.input.substr(0, 20));
    Grid grid = gridOf(kGivenFive);
    grid.setCellValue(2, 3);
    grid.setMarks(6, 2);
    ASSERT_EQ(stateOf(grid), "ECK20");

    decodeState(grid, t.input);
    EXPECT_EQ(stateOf(grid), t.decoded);
    grid.prepareForPlay();
    EXPECT_EQ(stateOf(grid), t.painted);
    EXPECT_TRUE(grid.replayQueue().isEmpty());
    EXPECT_TRUE(grid.isGiven(1));
  }
}

TEST(GameState, ReplayAppliesNumbersAndMarksAndDropsTheRest) {
  Grid grid = gridOf(kGivenFive);
  grid.setCellValue(4, 2);
  grid.setCellValue(5, 4);
  for (const char* entry : {"v,2,3", "V, 3 ,6", "p,2,70", "P,4,9", "v,1,2", "v,4,7", "v,4,-1",
                            "v,5,0", "v,99,1", "v,0,1", "p,-3,5", "x,6,1", ""})
    grid.replayQueue().append(entry);

  replayQueued(grid);
  EXPECT_EQ(valuesOf(grid), (Numbers{5, 3, 6, 2, 0, 0}));
  EXPECT_EQ(marksOf(grid), (Numbers{0, 6, 0, 9, 0, 0}));
  EXPECT_TRUE(grid.replayQueue().isEmpty());
}

}  // namespace
}  // namespace qiro
