// Tests of TextList: 1-based access, sorted insertion, the unstable plain-order sort.
#include "text/text_list.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace qiro {
namespace {

TextList listOf(std::initializer_list<const char*> items) {
  TextList l;
  for (const char* s : items)
    l.append(s);
  return l;
}

std::vector<std::string> itemsOf(const TextList& l) {
  std::vector<std::string> v;
  for (int i = 1; i <= l.count(); ++i)
    v.emplace_back(l.item(i)->view());
  return v;
}

using Items = std::vector<std::string>;

TEST(TextList, IndexesNameItemsFromOne) {
  TextList empty;
  EXPECT_EQ(empty.count(), 0);
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_EQ(empty.item(1), nullptr);
  EXPECT_EQ(empty.find("a"), 0);

  TextList l = listOf({"a", "b", "c"});
  EXPECT_EQ(l.item(2)->view(), "b");
  for (int outside : {0, -1, 4})
    EXPECT_EQ(l.item(outside), nullptr) << outside;
  Text absent("x");
  absent.assign(l.item(4));  // an absent item reads as the empty text
  EXPECT_TRUE(absent.isEmpty());

  l.removeAt(5);
  l.replaceAt(0, "q");
  EXPECT_EQ(itemsOf(l), (Items{"a", "b", "c"}));
  l.replaceAt(2, "z");
  EXPECT_EQ(itemsOf(l), (Items{"a", "z", "c"}));
  l.removeAt(1);
  EXPECT_EQ(itemsOf(l), (Items{"z", "c"}));
  l.append("p", "q");
  l.append(nullptr);
  EXPECT_EQ(itemsOf(l), (Items{"z", "c", "pq", ""}));
}

TEST(TextList, FindAndUniqueInsertionIgnoreCase) {
  TextList l = listOf({"x", "abc", "Abc"});
  EXPECT_EQ(l.find("ABC"), 2);
  l.appendUnique("aBC");
  EXPECT_FALSE(l.addSortedUnique("aBC"));
  EXPECT_EQ(l.count(), 3);
  EXPECT_TRUE(l.addSortedUnique("b"));
  l.appendUnique("new");
  EXPECT_EQ(itemsOf(l), (Items{"b", "x", "abc", "Abc", "new"}));
}

TEST(TextList, SortedInsertion) {
  struct Case {
    std::initializer_list<const char*> before;
    const char* added;
    Items after;
  };
  const Case cases[] = {
      {{"a", "c"}, "b", {"a", "b", "c"}},
      {{"a", "b", "c"}, "B", {"a", "B", "b", "c"}},  // before the equal item
      {{"a", "b"}, "0", {"0", "a", "b"}},
      {{}, "a", {"a"}},
      {{"c", "a"}, "b", {"b", "c", "a"}},  // unsorted: after the leading run that sorts before
  };
  for (const Case& c : cases) {
    TextList l = listOf(c.before);
    l.addSorted(c.added);
    EXPECT_EQ(itemsOf(l), c.after) << c.added;
  }
}

TEST(TextList, SortIsPlainOrderAndReversesEqualItems) {
  struct Case {
    std::initializer_list<const char*> before;
    Items sorted;
    Items unique;
  };
  const Case cases[] = {
      {{"b", "A", "a", "C"}, {"a", "A", "b", "C"}, {"a", "b", "C"}},
      {{"10", "9", "1"}, {"1", "10", "9"}, {"1", "10", "9"}},
      {{"b", "a", "B", "a"}, {"a", "a", "B", "b"}, {"a", "B"}},
      {{"\xC9t\xE9", "zoo", "Zed"}, {"Zed", "zoo", "\xC9t\xE9"}, {"Zed", "zoo", "\xC9t\xE9"}},
      {{}, {}, {}},
  };
  for (const Case& c : cases) {
    TextList l = listOf(c.before);
    l.sort();
    EXPECT_EQ(itemsOf(l), c.sorted);
    TextList u = listOf(c.before);
    u.sortUnique();
    EXPECT_EQ(itemsOf(u), c.unique);
  }
}

TEST(TextList, FindSortedAnswersAsFindOnASortedList) {
  TextList l = listOf({"", ":AB", "a", "B", "ba", "C:AF", "\xC9"});
  l.sort();
  for (const char* s : {"", ":ab", "A", "b", "BA", "c:af", "\xC9", "0", "zz", "\xE9", "c"}) {
    EXPECT_EQ(l.findSorted(s), l.find(s)) << s;
  }
  EXPECT_EQ(TextList().findSorted("a"), 0);
  // The first item that does not sort before the key: where a prefix search starts.
  EXPECT_EQ(l.firstNotBefore("b"), l.find("B"));
  EXPECT_EQ(l.firstNotBefore("C:"), l.find("C:AF"));
  EXPECT_EQ(l.firstNotBefore("\xFF"), l.count() + 1);
}

TEST(TextList, MovingItemsBetweenLists) {
  TextList l = listOf({"a", "b"});
  Text t;
  l.popFront(t);
  EXPECT_EQ(t.view(), "a");
  EXPECT_EQ(itemsOf(l), (Items{"b"}));
  l.popFront(t);
  l.popFront(t);
  EXPECT_EQ(t.view(), "");
  EXPECT_TRUE(l.isEmpty());

  TextList source = listOf({"a", "b", "c"});
  TextList other;
  source.moveItemTo(2, other);
  source.moveItemTo(7, other);
  EXPECT_EQ(itemsOf(source), (Items{"a", "c"}));
  EXPECT_EQ(itemsOf(other), (Items{"b"}));

  TextList target = listOf({"x", "y"});
  source.moveAllTo(target);
  EXPECT_TRUE(source.isEmpty());
  EXPECT_EQ(itemsOf(target), (Items{"x", "y", "a", "c"}));
  target.moveAllTo(target);  // onto itself: nothing to move
  EXPECT_EQ(target.count(), 4);

  TextList twice = listOf({"a", "b"});
  twice.appendAllFrom(twice);
  EXPECT_EQ(itemsOf(twice), (Items{"a", "b", "a", "b"}));
}

TEST(TextList, ItemsMayBeShortenedInPlace) {
  TextList l = listOf({"  key"});
  trimLeft(*l.item(1));
  EXPECT_EQ(l.item(1)->view(), "key");
  l.addSorted(*l.item(1));  // an item may be the source of an insertion
  EXPECT_EQ(itemsOf(l), (Items{"key", "key"}));
}

}  // namespace
}  // namespace qiro
