// Tests of canonical labels, rotation, the walker and the suffix tables.
#include "hexagon/labels.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace qiro {
namespace {

std::vector<std::string> texts(const std::vector<Text>& table) {
  std::vector<std::string> v;
  for (const Text& t : table)
    v.emplace_back(t.view());
  return v;
}

using Labels = std::vector<std::string>;

TEST(Labels, CanonicalForms) {
  struct Case {
    const char* label;
    char form;
    const char* canonical;
  };
  const Case cases[] = {
      {"B:BC", 'D', "BC:AF"},
      {"E:EF", 'D', "EE:AB"},
      {":FA", 'D', ":AF"},
      {":AF", 'D', ":AF"},
      {":BA", 'D', ":AB"},
      {"D:BA", 'D', "D:AB"},
      {"F:BC", 'D', ":AF"},
      {"AD:CD", 'D', "D:AB"},
      {"XAD", 'D', "X"},
      {"X", 'D', "X"},
      {"XAC", 'D', "XB"},
      {"AAC", 'D', "AB"},
      {"", 'D', ""},
      {"X"
       "AAAAAAAAAAAA",
       'C', "XA9A3"},
      {"AAAAAAAAAAAA:DE", 'C', "A9A2:AF"},
      {"AAB:AB", 'C', "A2B:AB"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(canonicalLabel(c.label, c.form).view(), c.canonical) << c.label << " " << c.form;
  }
}

TEST(Labels, CanonicalSides) {
  struct Case {
    const char* label;
    const char* canonical;
  };
  const Case cases[] = {
      {":D", "D:A"}, {":E", "E:B"},  {":F", "F:C"}, {"C:F", ":C"},
      {":A", ":A"},  {"AD:B", ":B"}, {"A:D", ":A"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(canonicalSide(c.label).view(), c.canonical) << c.label;
}

TEST(Labels, RotationTurnsEveryDirectionLetter) {
  EXPECT_EQ(rotateLabel("C:AF").view(), "D:BA");
  EXPECT_EQ(canonicalLabel(rotateLabel("C:AF")).view(), "D:AB");
  EXPECT_EQ(rotateLabel("xfe:ab").view(), "xAF:BC");
  // Six turns bring every corner back to itself.
  for (const Text& corner : suffixTables().corners) {
    Text t(corner);
    for (int i = 0; i < 6; ++i)
      t = canonicalLabel(rotateLabel(t));
    EXPECT_EQ(t.view(), corner.view());
  }
}

TEST(Labels, WalkerCountsRowAndColumnSteps) {
  struct Case {
    const char* label;
    int x, y;
  };
  const Case cases[] = {
      {"D:AB", -2, 0}, {"C:AF", -1, 1}, {":AB", 0, 0},     {"ABF", 4, 0},
      {"E2", -1, -1},  {"AA:AB", 4, 0}, {"DE:AF", -3, -1},
  };
  for (const Case& c : cases) {
    const Walk w = walkRowColumn(c.label);
    EXPECT_EQ(w.x, c.x) << c.label;
    EXPECT_EQ(w.y, c.y) << c.label;
  }
}

TEST(Labels, SuffixTables) {
  const SuffixTables& t = suffixTables();
  EXPECT_EQ(texts(t.corners), (Labels{":AB", "C:AF", "D:AB", "D:AF", "E:AB", ":AF"}));
  EXPECT_EQ(texts(t.sides), (Labels{":A", ":B", ":C", "D:A", "E:B", "F:C"}));
  EXPECT_EQ(texts(t.spokes), (Labels{"C:A", "D:B", "E:C", "E:A", "F:B", "A:C"}));
  EXPECT_EQ(texts(t.nextToAB), (Labels{":AF", "B:AF", "C:AF"}));
  EXPECT_EQ(texts(t.aroundAF), (Labels{"", "A", "F"}));

  // The second ring: eighteen different corners, none of them on the hexagon itself.
  ASSERT_EQ(t.secondRing.size(), 18U);
  EXPECT_EQ(t.secondRing[0].view(), "B:AF");
  EXPECT_EQ(t.secondRing[6].view(), "A:AB");
  EXPECT_EQ(t.secondRing[7].view(), "A:AF");
  const Labels second = texts(t.secondRing);
  const std::set<std::string> ring(second.begin(), second.end());
  EXPECT_EQ(ring.size(), 18U);
  for (const Text& c : t.corners)
    EXPECT_EQ(ring.count(std::string(c.view())), 0U) << c.view();
}

TEST(Labels, PathAndSuffixParts) {
  EXPECT_EQ(pathPart("AB:AF").view(), "AB");
  EXPECT_EQ(suffixPart("AB:AF").view(), ":AF");
  EXPECT_EQ(pathPart("AB").view(), "AB");
  EXPECT_EQ(suffixPart("AB").view(), "");
}

}  // namespace
}  // namespace qiro
