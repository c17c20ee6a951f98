// The program's own text type, the read-only queries on texts and the in-place routines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace qiro {

class Text;

// A read-only view of any text. An absent text (a null pointer) reads as the empty
// text, and a text ends at its first zero byte, so every source of characters
// behaves the same way wherever a text is read.
class TextView {
 public:
  constexpr TextView() = default;
  constexpr TextView(std::nullptr_t) {}
  TextView(const char* s) : view_(s == nullptr ? std::string_view() : std::string_view(s)) {}
  TextView(const Text& t);
  TextView(const Text* t);
  TextView(std::string_view s) : view_(s.substr(0, s.find('\0'))) {}
  TextView(const std::string& s) : TextView(std::string_view(s)) {}

  std::string_view view() const { return view_; }
  int size() const { return static_cast<int>(view_.size()); }
  bool empty() const { return view_.empty(); }
  // The character at 1-based position pos; 0 outside the text.
  char at(int pos) const {
    return pos >= 1 && pos <= size() ? view_[static_cast<std::size_t>(pos - 1)] : '\0';
  }

 private:
  std::string_view view_;
};

// An owning text: a byte string without zero bytes, never absent. Positions are 1-based.
// Every operation builds its new value completely before it replaces the old one, so any
// piece may come from the text itself (assigning a text from part of its own value,
// appending a text to itself).
class Text {
 public:
  Text() = default;
  explicit Text(TextView s) : value_(s.view()) {}
  // Takes over the bytes of s up to its first zero byte, without copying them.
  static Text fromBytes(std::string&& s) {
    Text t;
    t.value_ = std::move(s);
    t.value_.resize(TextView(t.value_).size());
    return t;
  }

  void clear() { value_.clear(); }
  void assign(TextView s);
  void assign(TextView a, TextView b);
  void assign(TextView a, TextView b, TextView c);
  void append(TextView s);
  void append(TextView a, TextView b);
  void append(TextView a, TextView b, TextView c);
  // Takes over the value of other without copying; other becomes empty.
  void adopt(Text&& other);
  // count copies of s; a count below 1 gives the empty text.
  void repeat(int count, TextView s);
  // The characters first, first+1, ..., last (descending when first > last).
  void charRange(int first, int last);
  void reserve(int extra);
  void padRight(int width);
  // pattern with its first "#" replaced by the decimal form of number.
  void formatHash(TextView pattern, int number);
  void formatHash(TextView pattern, int first, int second);
  // Takes the first n characters of buffer out of it, in place, and becomes them.
  void cutFront(Text& buffer, int n);
  void replaceAll(TextView search, TextView replacement);
  void replaceFirst(TextView search, TextView replacement);
  bool equalsIgnoreCase(TextView s) const;

  const char* c_str() const { return value_.c_str(); }
  std::string_view view() const { return value_; }
  int length() const { return static_cast<int>(value_.size()); }
  bool isEmpty() const { return value_.empty(); }
  bool isNotEmpty() const { return !value_.empty(); }

 private:
  friend struct TextAccess;  // the in-place routines of this layer
  // Whether s points into this text's own bytes, which a change would invalidate.
  bool overlaps(TextView s) const;

  std::string value_;
};

inline TextView::TextView(const Text& t) : view_(t.view()) {}
inline TextView::TextView(const Text* t) : view_(t == nullptr ? std::string_view() : t->view()) {}

// Queries: nothing is changed.
int textLength(TextView s);
bool textEmpty(TextView s);
bool textNotEmpty(TextView s);
int findIgnoreCase(TextView text, TextView pattern);
int findExact(TextView text, TextView pattern);
int findLast(TextView text, TextView pattern);
bool contains(TextView text, TextView pattern);
bool containsIgnoreCase(TextView text, TextView pattern);
bool startsWith(TextView text, TextView prefix);
bool endsWith(TextView text, TextView suffix);
bool equalIgnoreCase(TextView a, TextView b);
// The plain order: 0 when equal, 1 when a sorts after b, 2 when a sorts before b.
int compareText(TextView a, TextView b);
char upperChar(char c);
bool isDigit(char c);
bool isHexLetter(char c);
bool isHexDigit(char c);
bool inRanges(char c, TextView ranges);

// Routines that change a text in place.
void dropFront(Text& buf, int n);
void dropBack(Text& buf, int n);
void keepFront(Text& buf, int n);
void keepBack(Text& buf, int n);
void trimLeft(Text& buf);
void trimRight(Text& buf);
void clearText(Text& buf);
void upperText(Text& buf);
void sortChars(Text& buf);
void reverseText(Text& buf);
void reverseRange(Text& buf, int from, int to);
void translateChars(Text& buf, TextView from, TextView to);
void replaceChar(Text& buf, char oldChar, char newChar);
void removeChar(Text& buf, char c);
void slashesForward(Text& buf);
void slashesBack(Text& buf);
bool removePrefix(Text& buf, TextView prefix);
void insertAt(Text& buf, int pos, TextView s);
void replaceInPlace(Text& buf, int maxCount, TextView search, TextView replacement);
void safeReplace(Text& buf, int maxCount, TextView search, TextView replacement);
void copyConcat(Text& dst, TextView a, TextView b, TextView c = {}, TextView d = {},
                TextView e = {});

}  // namespace qiro
