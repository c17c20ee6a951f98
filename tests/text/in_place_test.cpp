// Tests of the queries on texts and of the routines that change a text in place.
#include <gtest/gtest.h>

#include "text/text.h"

namespace qiro {
namespace {

TEST(TextQueries, Searches) {
  struct Case {
    const char* text;
    const char* pattern;
    int ignoreCase, exact, last;
  };
  const Case cases[] = {
      {"Hello", "LL", 3, 0, 0},    {"Hello", "ll", 3, 3, 3},
      {"Hello", "", 0, 0, 0},      {"ab", "abc", 0, 0, 0},
      {"a/b/c", "/", 2, 2, 4},     {"abcabc", "bc", 2, 2, 5},
      {"", "", 0, 0, 0},           {"aaa", "aa", 1, 1, 1},
      {"x\xE9y", "\xC9", 0, 0, 0}, {"x\xE9y", "\xE9Y", 2, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(findIgnoreCase(c.text, c.pattern), c.ignoreCase) << c.text << " / " << c.pattern;
    EXPECT_EQ(findExact(c.text, c.pattern), c.exact) << c.text << " / " << c.pattern;
    EXPECT_EQ(findLast(c.text, c.pattern), c.last) << c.text << " / " << c.pattern;
    EXPECT_EQ(contains(c.text, c.pattern), c.exact > 0);
    EXPECT_EQ(containsIgnoreCase(c.text, c.pattern), c.ignoreCase > 0);
  }
}

TEST(TextQueries, StartsAndEndsWith) {
  EXPECT_TRUE(startsWith("   usr=x", "USR="));
  EXPECT_TRUE(startsWith("abc", ""));
  EXPECT_TRUE(startsWith("", ""));
  EXPECT_FALSE(startsWith("  ab", "abc"));
  EXPECT_FALSE(startsWith("xabc", "abc"));
  EXPECT_TRUE(endsWith("prog.EXE", ".exe"));
  EXPECT_FALSE(endsWith("prog.exe", ""));
  EXPECT_FALSE(endsWith("exe", ".exe"));
  EXPECT_FALSE(endsWith("prog.exe ", ".exe"));
}

TEST(TextQueries, PlainOrder) {
  struct Case {
    const char* a;
    const char* b;
    int answer;
  };
  const Case cases[] = {
      {"abc", "ABD", 2}, {"b", "A", 1}, {"ab", "abc", 2}, {"abc", "ab", 1},
      {"aBc", "AbC", 0}, {"", "", 0},   {"", "a", 2},     {"\xC9t\xE9", "z", 1},
      {"9", "A", 2},     {"_", "a", 1},  // letters fold to capitals, so '_' (95) follows them
  };
  for (const Case& c : cases)
    EXPECT_EQ(compareText(c.a, c.b), c.answer) << c.a << " / " << c.b;
  EXPECT_TRUE(equalIgnoreCase("MiXeD", "mixed"));
  EXPECT_TRUE(equalIgnoreCase("", nullptr));
  EXPECT_FALSE(equalIgnoreCase("\xE9", "\xC9"));
}

TEST(TextQueries, CharacterClasses) {
  EXPECT_EQ(upperChar('q'), 'Q');
  EXPECT_EQ(upperChar('\xE9'), '\xE9');
  EXPECT_EQ(upperChar('{'), '{');
  EXPECT_TRUE(isHexDigit('f') && isHexDigit('A') && isHexDigit('0'));
  EXPECT_FALSE(isHexDigit('g') || isHexDigit('\xC1'));
  EXPECT_TRUE(isHexLetter('e') && !isHexLetter('9'));
  EXPECT_TRUE(inRanges('\xE9', "\xE0\xFF"));  // ranges compare as unsigned bytes
  EXPECT_FALSE(inRanges('a', "AZ0"));         // an odd last character is no range
}

TEST(TextInPlace, CutsAndTrims) {
  struct Case {
    void (*routine)(Text&, int);
    const char* name;
    const char* before;
    int n;
    const char* after;
  };
  const Case cases[] = {
      {dropFront, "dropFront", "abc", 2, "c"},    {dropFront, "dropFront", "abc", 9, ""},
      {dropFront, "dropFront", "abc", -1, "abc"}, {dropBack, "dropBack", "abc", 5, ""},
      {dropBack, "dropBack", "abc", 1, "ab"},     {dropBack, "dropBack", "abc", -1, "abc"},
      {keepFront, "keepFront", "abc", 2, "ab"},   {keepFront, "keepFront", "abc", 7, "abc"},
      {keepFront, "keepFront", "abc", -1, ""},    {keepBack, "keepBack", "1234", 2, "34"},
      {keepBack, "keepBack", "1234", 0, ""},      {keepBack, "keepBack", "12", 5, "12"},
  };
  for (const Case& c : cases) {
    Text t(c.before);
    c.routine(t, c.n);
    EXPECT_EQ(t.view(), c.after) << c.name << "(" << c.before << ", " << c.n << ")";
  }
  Text t("  \ta b \t  ");
  trimLeft(t);
  EXPECT_EQ(t.view(), "\ta b \t  ");
  trimRight(t);
  EXPECT_EQ(t.view(), "\ta b \t");
  Text blank("    ");
  trimRight(blank);
  EXPECT_EQ(blank.view(), "");
}

TEST(TextInPlace, ReordersAndTranslates) {
  Text t("FCA");
  sortChars(t);
  EXPECT_EQ(t.view(), "ACF");
  t.assign(
      "b\xE9"
      "a\x80");
  sortChars(t);  // signed order: codes 128-255 first
  EXPECT_EQ(t.view(),
            "\x80\xE9"
            "ab");

  struct Range {
    const char* before;
    int from, to;
    const char* after;
  };
  for (const Range& r :
       {Range{"abcdef", 2, 4, "adcbef"}, Range{"abc", 0, 2, "abc"}, Range{"abc", 2, 4, "abc"},
        Range{"abc", 3, 1, "abc"}, Range{"abc", 1, 3, "cba"}}) {
    Text x(r.before);
    reverseRange(x, r.from, r.to);
    EXPECT_EQ(x.view(), r.after) << r.before << " " << r.from << ".." << r.to;
  }

  t.assign("1203");
  translateChars(t, "1234560", "ABCDEFG");
  EXPECT_EQ(t.view(), "ABGC");
  t.assign("1203");
  translateChars(t, "1", "");
  EXPECT_EQ(t.view(), "1203");
  t.assign("aXa");
  translateChars(t, "aa", "12");  // the first place that matches counts
  EXPECT_EQ(t.view(), "1X1");

  t.assign("a\\b/c\\");
  slashesForward(t);
  EXPECT_EQ(t.view(), "a/b/c/");
  slashesBack(t);
  EXPECT_EQ(t.view(), "a\\b\\c\\");
  removeChar(t, '\\');
  EXPECT_EQ(t.view(), "abc");
  upperText(t);
  EXPECT_EQ(t.view(), "ABC");
  reverseText(t);
  EXPECT_EQ(t.view(), "CBA");
}

TEST(TextInPlace, RemovePrefix) {
  Text t("  deb = 5");
  EXPECT_FALSE(removePrefix(t, "fin"));
  EXPECT_EQ(t.view(), "  deb = 5");
  EXPECT_FALSE(removePrefix(t, ""));
  EXPECT_TRUE(removePrefix(t, "DEB"));
  EXPECT_EQ(t.view(), "= 5");
}

TEST(TextInPlace, InsertAndReplaceGrowTheOwningText) {
  Text t("ac");
  insertAt(t, 2, "b");
  EXPECT_EQ(t.view(), "abc");
  insertAt(t, 1, ">");
  EXPECT_EQ(t.view(), ">abc");
  insertAt(t, 99, "<");  // positions outside the text insert at its nearest end
  EXPECT_EQ(t.view(), ">abc<");
  insertAt(t, 3, t);
  EXPECT_EQ(t.view(), ">a>abc<bc<");

  t.assign("xax");
  replaceInPlace(t, 99, "x", "xyz");  // the scan resumes behind each replacement
  EXPECT_EQ(t.view(), "xyzaxyz");
  replaceInPlace(t, 1, "XYZ", "");
  EXPECT_EQ(t.view(), "axyz");
  replaceInPlace(t, 0, "a", "b");
  EXPECT_EQ(t.view(), "axyz");

  t.assign("a...b");
  safeReplace(t, 999, "..", ".");
  EXPECT_EQ(t.view(), "a..b");
  safeReplace(t, 999, "..", ".");
  EXPECT_EQ(t.view(), "a.b");
  t.assign("Bravo zukv!");
  safeReplace(t, 1, "zukv", "Alice");
  EXPECT_EQ(t.view(), "Bravo zukv!");

  copyConcat(t, "a", "b", t, nullptr, "e");
  EXPECT_EQ(t.view(), "abBravo zukv!e");
}

}  // namespace
}  // namespace qiro
