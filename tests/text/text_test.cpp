// Tests of the owning Text: building values, self-reference, searches that replace.
#include "text/text.h"

#include <gtest/gtest.h>

namespace qiro {
namespace {

TEST(Text, NewTextIsEmptyAndHasABuffer) {
  Text t;
  ASSERT_NE(t.c_str(), nullptr);
  EXPECT_STREQ(t.c_str(), "");
  EXPECT_EQ(t.length(), 0);
  EXPECT_TRUE(t.isEmpty());
}

TEST(Text, AbsentPiecesReadAsEmpty) {
  Text t("x");
  const char* absent = nullptr;
  t.assign(absent);
  EXPECT_EQ(t.view(), "");
  t.assign("a", absent, "c");
  EXPECT_EQ(t.view(), "ac");
  t.append(absent, "d");
  EXPECT_EQ(t.view(), "acd");
  EXPECT_EQ(textLength(absent), 0);
}

TEST(Text, PiecesMayComeFromTheTextItself) {
  Text t("abc");
  t.assign(t.c_str() + 1);
  EXPECT_EQ(t.view(), "bc");
  t.append(t);
  EXPECT_EQ(t.view(), "bcbc");
  t.append(t, "-", t);
  EXPECT_EQ(t.view(), "bcbcbcbc-bcbc");
  t.repeat(2, t);
  EXPECT_EQ(t.view(), "bcbcbcbc-bcbcbcbcbcbc-bcbc");
}

TEST(Text, RepeatAndCharRangeAndPadRight) {
  Text t;
  t.repeat(3, "ab");
  EXPECT_EQ(t.view(), "ababab");
  for (int count : {0, -3}) {
    t.repeat(count, "ab");
    EXPECT_EQ(t.view(), "") << count;
  }
  t.charRange(65, 70);
  EXPECT_EQ(t.view(), "ABCDEF");
  t.charRange(70, 65);
  EXPECT_EQ(t.view(), "FEDCBA");
  t.charRange(65, 65);
  EXPECT_EQ(t.view(), "A");
  t.charRange(254, 255);
  EXPECT_EQ(t.view(), "\xFE\xFF");

  Text p("ab");
  p.padRight(5);
  EXPECT_EQ(p.view(), "ab   ");
  p.assign("abcdef");
  p.padRight(5);
  EXPECT_EQ(p.view(), "abcdef");
}

TEST(Text, FormatHashReplacesTheFirstMarks) {
  Text t;
  t.formatHash("Grid #", 12);
  EXPECT_EQ(t.view(), "Grid 12");
  t.formatHash("#/#", 3, 9);
  EXPECT_EQ(t.view(), "3/9");
  t.formatHash("no mark", 5);
  EXPECT_EQ(t.view(), "no mark");
  t.formatHash("#-#-#", -1, 2);
  EXPECT_EQ(t.view(), "-1-2-#");
}

TEST(Text, CutFrontMovesCharactersOutOfTheBuffer) {
  struct Case {
    int n;
    const char* text;
    const char* rest;
  };
  for (const Case& c :
       {Case{3, "C:d", "ir"}, Case{10, "C:dir", ""}, Case{0, "", "C:dir"}, Case{-2, "", "C:dir"}}) {
    Text buffer("C:dir");
    Text t("old");
    t.cutFront(buffer, c.n);
    EXPECT_EQ(t.view(), c.text) << c.n;
    EXPECT_EQ(buffer.view(), c.rest) << c.n;
  }
}

TEST(Text, ReplaceAllAndFirstIgnoreCase) {
  struct Case {
    const char* value;
    const char* search;
    const char* replacement;
    const char* all;
    const char* first;
  };
  const Case cases[] = {
      {"axbx", "x", "xx", "axxbxx", "axxbx"},  // inserted text is never searched again
      {"banana", "A", "-", "b-n-n-", "b-nana"},
      {"banana", "na", "", "ba", "bana"},
      {"banana", "", "z", "banana", "banana"},
      {"banana", "q", "z", "banana", "banana"},
      {"aaaa", "aa", "b", "bb", "baa"},
      {"\xC9t\xE9", "\xE9", "e", "\xC9te", "\xC9te"},  // no case folding above 127
  };
  for (const Case& c : cases) {
    Text all(c.value);
    all.replaceAll(c.search, c.replacement);
    EXPECT_EQ(all.view(), c.all) << c.value << " / " << c.search;
    Text first(c.value);
    first.replaceFirst(c.search, c.replacement);
    EXPECT_EQ(first.view(), c.first) << c.value << " / " << c.search;
  }
}

TEST(Text, AZeroByteEndsAText) {
  const std::string withZero("ab\0cd", 5);
  Text t{std::string_view(withZero)};
  EXPECT_EQ(t.view(), "ab");
  EXPECT_EQ(Text::fromBytes(std::string(withZero)).view(), "ab");
  t.charRange(2, 0);
  EXPECT_EQ(t.view(), "\x02\x01");
}

TEST(Text, LongTextsAreHandledWhole) {
  Text t;
  t.repeat(20000, "ab");
  EXPECT_EQ(t.length(), 40000);
  t.replaceAll("b", "");
  EXPECT_EQ(t.length(), 20000);
  EXPECT_EQ(findLast(t, "a"), 20000);
}

}  // namespace
}  // namespace qiro
