// TextList: an ordered list of owned texts, 1-based, compared with ASCII case ignored.
#pragma once

#include <vector>

#include "text/text.h"

namespace qiro {

class TextList {
 public:
  void clear() { items_.clear(); }
  int count() const { return static_cast<int>(items_.size()); }
  bool isEmpty() const { return items_.empty(); }
  bool isNotEmpty() const { return !items_.empty(); }

  // The item's own text, which in-place routines may change; null (an absent text,
  // read as empty) when index names no item.
  Text* item(int index);
  const Text* item(int index) const;

  void append(TextView s);
  void append(Text&& s) { items_.push_back(std::move(s)); }
  void append(TextView a, TextView b);
  void appendUnique(TextView s);
  // Inserts before the first item that does not sort before s.
  void addSorted(TextView s);
  bool addSortedUnique(TextView s);
  // Index of the first item equal to s ignoring ASCII case; 0 when none.
  int find(TextView s) const;
  void removeAt(int index);
  void replaceAt(int index, TextView s);
  // Moves the first item into text; an empty list gives the empty text.
  void popFront(Text& text);
  void moveItemTo(int index, TextList& other);
  void moveAllTo(TextList& other);
  void appendAllFrom(const TextList& other);
  // Plain order by repeated sorted insertion: equal items end up in reverse order.
  void sort();
  // In a list kept in plain order: the index of the item equal to s, 0 when none.
  // Answers as find does, in logarithmic time.
  int findSorted(TextView s) const;
  // In a list kept in plain order: the index of the first item that does not sort
  // before s (count + 1 when every item does).
  int firstNotBefore(TextView s) const;
  void removeAdjacentDuplicates();
  void sortUnique();

  std::vector<Text>::const_iterator begin() const { return items_.begin(); }
  std::vector<Text>::const_iterator end() const { return items_.end(); }

 private:
  bool names(int index) const { return index >= 1 && index <= count(); }
  std::vector<Text> items_;
};

}  // namespace qiro
