// Tests of the neighbourhoods of hexagons and corners.
#include "hexagon/neighbourhood.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "labels_of.h"

namespace qiro {
namespace {

TextList sorted(std::initializer_list<const char*> labels) {
  TextList l;
  for (const char* s : labels)
    l.append(s);
  l.sortUnique();
  return l;
}

TEST(Neighbourhood, OfOneHexagonAndOneCorner) {
  EXPECT_EQ(texts(cornersOf("")), (Labels{":AB", "C:AF", "D:AB", "D:AF", "E:AB", ":AF"}));
  EXPECT_EQ(texts(cornersOf("A")), (Labels{"A:AB", "B:AF", ":AB", ":AF", "F:AB", "A:AF"}));
  EXPECT_EQ(texts(neighboursOf("")), (Labels{"A", "B", "C", "D", "E", "F"}));
  EXPECT_EQ(texts(neighboursOf("D")), (Labels{"", "C", "CD", "DD", "DE", "E"}));
  EXPECT_EQ(texts(hexagonsAroundCorner(":AB")), (Labels{"", "A", "B"}));
  EXPECT_EQ(texts(hexagonsAroundCorner("D:AF")), (Labels{"D", "", "E"}));
  EXPECT_EQ(texts(cornersNextTo(":AB")), (Labels{":AF", "B:AF", "C:AF"}));
  EXPECT_EQ(texts(cornersNextTo("E:AB")), (Labels{"E:AF", ":AF", "D:AF"}));
  EXPECT_EQ(stepsIn("AAB:AF", "AB"), 3);
  EXPECT_EQ(stepsIn("XAAB", "BC"), 1);
}

TEST(Neighbourhood, EveryCornerLiesOnEachOfItsHexagons) {
  for (const char* corner : {":AB", ":AF", "C:AF", "AB:AB", "DE:AF"}) {
    for (const Text& h : hexagonsAroundCorner(corner)) {
      EXPECT_EQ(cornersOf(h).find(corner) > 0, true) << corner << " on " << h.view();
    }
  }
}

TEST(Neighbourhood, PeersOfOneAndTwoHexagons) {
  const TextList one = sorted({":AB", "C:AF", "D:AB", "D:AF", "E:AB", ":AF"});
  EXPECT_EQ(texts(peersOf(":AB", one)), (Labels{":AF", "C:AF", "D:AB", "D:AF", "E:AB"}));
  EXPECT_EQ(countCornersIn("", one), 6);
  EXPECT_EQ(countCornersIn("A", one), 2);

  TextList two = sorted({":AB", "C:AF", "D:AB", "D:AF", "E:AB", ":AF"});
  for (const Text& c : cornersOf("A"))
    two.append(c);
  two.sortUnique();
  ASSERT_EQ(two.count(), 10);
  EXPECT_EQ(peersOf(":AB", two).count(), 9);  // shared by both hexagons
  EXPECT_EQ(peersOf(":AF", two).count(), 9);
  // C:AF also lies on hexagon B, whose corner B:AF is a cell: B need not be full.
  EXPECT_EQ(peersOf("C:AF", two).count(), 6);
  EXPECT_EQ(peersOf("A:AB", two).count(), 5);
}

}  // namespace
}  // namespace qiro
