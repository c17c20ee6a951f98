// TextList: an ordered list of owned texts.
#include "text/text_list.h"

#include <algorithm>
#include <utility>

#include "text_access.h"

namespace qiro {

Text* TextList::item(int index) {
  return names(index) ? &items_[at0(index)] : nullptr;
}

const Text* TextList::item(int index) const {
  return names(index) ? &items_[at0(index)] : nullptr;
}

void TextList::append(TextView s) {
  items_.emplace_back(s);
}

void TextList::append(TextView a, TextView b) {
  Text t;
  t.assign(a, b);
  items_.push_back(std::move(t));
}

void TextList::appendUnique(TextView s) {
  if (find(s) == 0) append(s);
}

void TextList::addSorted(TextView s) {
  Text copy(s);  // s may be an item of this list
  // A linear scan: in a list that is not sorted, the new item goes after the leading
  // run of items that sort before it.
  auto at = items_.begin();
  while (at != items_.end() && compareText(copy, *at) == 1)
    ++at;
  items_.insert(at, std::move(copy));
}

bool TextList::addSortedUnique(TextView s) {
  if (find(s) != 0) return false;
  addSorted(s);
  return true;
}

int TextList::find(TextView s) const {
  for (int i = 1; i <= count(); ++i) {
    if (equalIgnoreCase(items_[at0(i)], s)) return i;
  }
  return 0;
}

void TextList::removeAt(int index) {
  if (names(index)) items_.erase(items_.begin() + (index - 1));
}

void TextList::replaceAt(int index, TextView s) {
  if (names(index)) items_[at0(index)].assign(s);
}

void TextList::popFront(Text& text) {
  if (items_.empty()) {
    text.clear();
    return;
  }
  text.adopt(std::move(items_.front()));
  items_.erase(items_.begin());
}

void TextList::moveItemTo(int index, TextList& other) {
  if (!names(index)) return;
  Text moved = std::move(items_[at0(index)]);
  items_.erase(items_.begin() + (index - 1));
  other.items_.push_back(std::move(moved));
}

void TextList::moveAllTo(TextList& other) {
  if (&other == this) return;
  for (Text& t : items_)
    other.items_.push_back(std::move(t));
  items_.clear();
}

void TextList::appendAllFrom(const TextList& other) {
  const int n = other.count();  // taken once, so a list can be appended to itself
  items_.reserve(items_.size() + sz(n));
  for (int i = 1; i <= n; ++i)
    items_.push_back(Text(*other.item(i)));
}

namespace {

// The first item that does not sort before s, in a list kept in plain order.
std::vector<Text>::const_iterator lowerBound(const std::vector<Text>& items, TextView s) {
  return std::lower_bound(items.begin(), items.end(), s, [](const Text& item, TextView key) {
    return compareText(key, item) == 1;
  });
}

}  // namespace

int TextList::findSorted(TextView s) const {
  const auto at = lowerBound(items_, s);
  // Equal in the plain order is equal with ASCII case ignored.
  if (at == items_.end() || compareText(s, *at) != 0) return 0;
  return static_cast<int>(at - items_.begin()) + 1;
}

int TextList::firstNotBefore(TextView s) const {
  return static_cast<int>(lowerBound(items_, s) - items_.begin()) + 1;
}

void TextList::sort() {
  // The order of repeated sorted insertion, each item placed before the items equal to
  // it: a stable sort of the reversed list. Callers may observe that equal items come
  // out reversed.
  std::reverse(items_.begin(), items_.end());
  std::stable_sort(items_.begin(), items_.end(),
                   [](const Text& a, const Text& b) { return compareText(a, b) == 2; });
}

void TextList::removeAdjacentDuplicates() {
  // Keeps the first item of each run of equal items.
  items_.erase(std::unique(items_.begin(), items_.end(),
                           [](const Text& a, const Text& b) { return equalIgnoreCase(a, b); }),
               items_.end());
}

void TextList::sortUnique() {
  sort();
  removeAdjacentDuplicates();
}

}  // namespace qiro
