// Tests of comma token lists and key=value settings tables.
#include "text/tokens.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace qiro {
namespace {

// Every token a reader takes while the source is not empty.
std::vector<std::string> tokensOf(const char* source) {
  Text s(source);
  std::vector<std::string> tokens;
  Text t;
  while (s.isNotEmpty()) {
    popToken(t, s);
    tokens.emplace_back(t.view());
  }
  return tokens;
}

using Tokens = std::vector<std::string>;

TEST(Tokens, PopTokenTakesTrimmedTokensFromTheFront) {
  struct Case {
    const char* source;
    const char* token;
    const char* rest;
  };
  const Case cases[] = {
      {"  a , b", "a", "b"}, {",a", "", "a"},      {"a,", "a", ""},
      {"", "", ""},          {" x y ", "x y", ""}, {"\ta\t,b", "\ta\t", "b"},
  };
  for (const Case& c : cases) {
    Text source(c.source);
    Text token("old");
    popToken(token, source);
    EXPECT_EQ(token.view(), c.token) << '"' << c.source << '"';
    EXPECT_EQ(source.view(), c.rest) << '"' << c.source << '"';
  }
  EXPECT_EQ(tokensOf("a,,b"), (Tokens{"a", "", "b"}));
  EXPECT_EQ(tokensOf("a,b,c,"), (Tokens{"a", "b", "c"}));
  EXPECT_EQ(tokensOf(",,"), (Tokens{"", ""}));

  Text source("feb,13");
  Text month;
  popTokenUpper(month, source);
  EXPECT_EQ(month.view(), "FEB");
  EXPECT_EQ(source.view(), "13");
}

TEST(Tokens, PopIntegerReadsLeadingDigits) {
  struct Case {
    const char* source;
    int value;
    const char* rest;
  };
  const Case cases[] = {
      {" 42 ,7", 42, "7"},
      {"-3", -3, ""},
      {"x9", 0, ""},
      {"2021abc,1", 2021, "1"},
      {"--5", 5, ""},
      {"- 7", -7, ""},
      {"+5", 0, ""},
      {"1 2", 1, ""},
      {"", 0, ""},
      {"-", 0, ""},
      {"4294967297", 1, ""},  // wraps at 32 bits
      {"-2147483648", -2147483647 - 1, ""},
  };
  for (const Case& c : cases) {
    Text source(c.source);
    EXPECT_EQ(popInteger(source), c.value) << '"' << c.source << '"';
    EXPECT_EQ(source.view(), c.rest) << '"' << c.source << '"';
  }
  Text signs;
  signs.repeat(5000, "-");  // a long run of signs is read without deep recursion
  signs.append("8");
  EXPECT_EQ(popInteger(signs), 8);
}

TEST(Tokens, DropTokensAndJoin) {
  struct Case {
    const char* buffer;
    int n;
    const char* rest;
  };
  for (const Case& c : {Case{"3,ab12,x", 1, "ab12,x"}, Case{"a,b", 3, ""}, Case{"a,b", 0, "a,b"},
                        Case{"a, b", 1, " b"}, Case{"a,b,", 2, ""}}) {
    Text b(c.buffer);
    dropTokens(b, c.n);
    EXPECT_EQ(b.view(), c.rest) << c.buffer << " " << c.n;
  }
  TextList list;
  for (const char* s : {"a", "b", "c"})
    list.append(s);
  Text joined("old");
  joinInto(list, joined);
  EXPECT_EQ(joined.view(), "a,b,c,");
  EXPECT_TRUE(list.isEmpty());
  joinInto(list, joined);
  EXPECT_EQ(joined.view(), "");
}

TEST(SettingsTable, KeysAreMatchedAtTheStartOfItems) {
  TextList table;
  table.append("left=80");
  table.append("top=60");
  EXPECT_EQ(keyIndex(table, "TOP"), 2);
  EXPECT_EQ(getInteger(table, "left"), 80);
  EXPECT_EQ(getInteger(table, "width"), 0);
  setValue(table, "top", "75");
  EXPECT_EQ(table.item(2)->view(), "top=75");
  setValue(table, "gri", "3");
  EXPECT_EQ(table.item(1)->view(), "gri=3");
  EXPECT_EQ(table.count(), 3);

  TextList spaced;
  spaced.append("top =5");
  spaced.append("  top=  5");
  Text value("old");
  EXPECT_EQ(getValue(spaced, "top", value), 2);
  EXPECT_EQ(value.view(), "5");
  EXPECT_EQ(getValue(spaced, "left", value), 0);
  EXPECT_EQ(value.view(), "");
  EXPECT_EQ(keyIndex(spaced, "to"), 0);  // a key must be followed directly by "="
}

TEST(SettingsTable, SplitEntry) {
  TextList table;
  table.append("a=b=c");
  table.append("abc");
  table.append(" k = v ");
  struct Case {
    int index;
    const char* key;
    const char* value;
  };
  for (const Case& c :
       {Case{1, "a", "b=c"}, Case{2, "", ""}, Case{3, " k ", " v "}, Case{9, "", ""}}) {
    Text key("old");
    Text value("old");
    splitEntry(table, c.index, key, value);
    EXPECT_EQ(key.view(), c.key) << c.index;
    EXPECT_EQ(value.view(), c.value) << c.index;
  }
}

}  // namespace
}  // namespace qiro
