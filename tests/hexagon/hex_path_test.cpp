// Tests of HexPath: reading path texts, normalisation and the two written forms.
#include "hexagon/hex_path.h"

#include <gtest/gtest.h>

#include <string>

namespace qiro {
namespace {

std::string expanded(const std::string& text) {
  HexPath p;
  parsePath(p, text);
  return std::string(expandedText(p).view());
}

std::string compact(const std::string& text) {
  HexPath p;
  parsePath(p, text);
  return std::string(compactText(p).view());
}

TEST(HexPath, ReadsAndNormalises) {
  struct Case {
    std::string text, normal;
  };
  const Case cases[] = {
      {"", ""},
      {"AD", ""},
      {"BE", ""},
      {"CF", ""},
      {"ACE", ""},
      {"AAC", "AB"},
      {"ABCDEF", ""},
      {"CA", "B"},
      {"FB", "A"},
      {"BAAB", "AABB"},
      {"A3", "AAA"},
      {"A1", "A"},
      {"A3B2", "AAABB"},
      {"A12", "A"},
      {"3A", ""},
      {"a2b", "AAB"},
      {"AB:AF", "AB"},
      {"AXB", "A"},
      {"A0B", "A"},
      {"DDDAAC", "CD"},
      {"ADADADADB", "B"},
      {"EEEEEEEEEEE"
       "BBBBBBBBBBBC",
       "C"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(expanded(c.text), c.normal) << c.text;
}

TEST(HexPath, LongPathsStopAtTheStepLimit) {
  EXPECT_EQ(expanded(std::string(1000, 'A')), std::string(kMaxPathSteps, 'A'));
  EXPECT_EQ(expanded(std::string(400, '9')), "");
  std::string nines = "A";
  for (int i = 0; i < 100; ++i)
    nines += "9A";
  EXPECT_EQ(expanded(nines).size(), static_cast<std::size_t>(kMaxPathSteps));
}

TEST(HexPath, CompactTextWritesRunsOfNine) {
  struct Case {
    std::string text, compact;
  };
  const Case cases[] = {
      {std::string(12, 'A'), "A9A3"},
      {std::string(10, 'A'), "A9A"},
      {"A", "A"},
      {"AAB", "A2B"},
      {"A9A9B", "A9A9B"},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(compact(c.text), c.compact) << c.text;
}

TEST(HexPath, TextFormsShareOneCache) {
  HexPath p;
  parsePath(p, "AAAC");
  EXPECT_EQ(compactText(p).view(), "A2B");
  EXPECT_EQ(expandedText(p).view(), "AAB");
  EXPECT_EQ(compactText(p).view(), "A2B");
  EXPECT_EQ(stepsIn(p, "AB"), 3);
  EXPECT_EQ(stepsIn(p, "CDx"), 0);
}

}  // namespace
}  // namespace qiro
