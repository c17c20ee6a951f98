// TextList: an ordered list of owned texts.
#include "text/text_list.h"

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
  insertSorted(Text(s));
}

void TextList::insertSorted(Text&& t) {
  auto at = items_.begin();
  while (at != items_.end() && compareText(t, *at) == 1)
    ++at;
  items_.insert(at, std::move(t));
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

void TextList::sort() {
  // Sorted insertion of the old items in their old order: items equal in the plain
  // order come out reversed, which callers may observe.
  std::vector<Text> old;
  old.swap(items_);
  for (Text& t : old)
    insertSorted(std::move(t));
}

void TextList::removeAdjacentDuplicates() {
  for (int p = count(); p >= 2; --p) {
    if (equalIgnoreCase(items_[at0(p - 1)], items_[at0(p)])) removeAt(p);
  }
}

void TextList::sortUnique() {
  sort();
  removeAdjacentDuplicates();
}

}  // namespace qiro
