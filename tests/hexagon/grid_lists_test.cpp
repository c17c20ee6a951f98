// Tests of the lists derived from a grid: cells, touching, full and partial hexagons,
// peer lines, edge lines, holes and the boundary.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "hexagon/neighbourhood.h"
#include "labels_of.h"

namespace qiro {
namespace {

// The lists of a grid made of the given hexagons.
struct Lists {
  TextList full, cells, touching, partial, links1, links2, holes, boundary;

  explicit Lists(std::initializer_list<const char*> hexagons) {
    for (const char* h : hexagons)
      full.append(h);
    full.sortUnique();
    addCornersOf(full, cells);
    touching = touchingHexagons(cells);
    classifyHexagons(cells, touching, full, partial);
    edgeLines(full, links1, links2);
    holeAndBoundary(full, cells, holes, boundary);
  }
};

TEST(GridLists, TheOriginHexagonAlone) {
  const Lists g({""});
  EXPECT_EQ(texts(g.cells), (Labels{":AB", ":AF", "C:AF", "D:AB", "D:AF", "E:AB"}));
  EXPECT_EQ(texts(g.touching), (Labels{"", "A", "B", "C", "D", "E", "F"}));
  EXPECT_EQ(texts(g.full), (Labels{""}));
  EXPECT_TRUE(g.partial.isEmpty());
  // The three lines through the centre, and the six lines of the outline.
  EXPECT_EQ(texts(g.links1), (Labels{"D:AA", "E:BB", "F:CC"}));
  EXPECT_EQ(texts(g.links2), (Labels{"C:A", "E:A", "D:B", "F:B", "A:C", "E:C"}));
  EXPECT_TRUE(g.holes.isEmpty());
  EXPECT_EQ(g.boundary.count(), 18);

  const TextList lines = peerLines(g.cells);
  ASSERT_EQ(lines.count(), 6);
  EXPECT_EQ(lines.item(1)->view(), ":AB,  :AF,C:AF,D:AB,D:AF,E:AB,");
}

TEST(GridLists, ARingOfSixClosesTheHexagonItSurrounds) {
  const Lists g({"A", "B", "C", "D", "E", "F"});
  EXPECT_EQ(texts(g.full), (Labels{"", "A", "B", "C", "D", "E", "F"}));
  EXPECT_EQ(g.cells.count(), 24);
  EXPECT_EQ(g.partial.count(), 6);  // the hexagons between two of the ring
  EXPECT_TRUE(g.holes.isEmpty());
}

TEST(GridLists, PartialHexagonsHaveThreeToFiveCorners) {
  const Lists g({"", "A"});
  EXPECT_EQ(texts(g.full), (Labels{"", "A"}));
  EXPECT_EQ(texts(g.partial), (Labels{"B", "F"}));
  for (const Text& h : g.touching) {
    const int n = countCornersIn(h, g.cells);
    const bool listed = g.partial.find(h) > 0;
    EXPECT_EQ(listed, n >= 3 && n <= 5) << h.view() << " has " << n;
  }
}

TEST(GridLists, ARingTwoStepsOutEnclosesTheCornersOfTheMiddle) {
  const Lists g({"AA", "AB", "BB", "BC", "CC", "CD", "DD", "DE", "EE", "EF", "FF", "AF"});
  EXPECT_EQ(texts(g.holes), (Labels{":AB", ":AF", "C:AF", "D:AB", "D:AF", "E:AB"}));
  EXPECT_GT(g.boundary.count(), 0);
  for (const Text& b : g.boundary)
    EXPECT_EQ(g.cells.find(b), 0) << b.view();
}

TEST(GridLists, EdgeLinesOfTwoHexagonsShareTheirCommonSide) {
  const Lists g({"", "A"});
  // The line from the origin to A lies inside; collinear lines are joined into chains.
  EXPECT_EQ(texts(g.links1), (Labels{"D:AAA", "E:BB", "F:BB", "AF:CC", "F:CC"}));
  EXPECT_EQ(texts(g.links2), (Labels{"C:AA", "E:AA", "AF:B", "D:B", "AA:C", "E:C"}));
}

}  // namespace
}  // namespace qiro
