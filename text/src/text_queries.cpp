// Read-only queries on texts: lengths, searches, comparisons and character classes.
#include <algorithm>
#include <string_view>

#include "text/text.h"
#include "text_access.h"

namespace qiro {

namespace {

unsigned char folded(char c) {
  return static_cast<unsigned char>(upperChar(c));
}

bool sameFolded(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (folded(a[i]) != folded(b[i])) return false;
  }
  return true;
}

// 1-based position of the first occurrence, 0 when none or when pattern is empty.
template <typename Equal>
int findWith(std::string_view text, std::string_view pattern, Equal equal) {
  if (pattern.empty() || pattern.size() > text.size()) return 0;
  for (std::size_t i = 0; i + pattern.size() <= text.size(); ++i) {
    if (equal(text.substr(i, pattern.size()), pattern)) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace

int textLength(TextView s) {
  return s.size();
}
bool textEmpty(TextView s) {
  return s.empty();
}
bool textNotEmpty(TextView s) {
  return !s.empty();
}

int findIgnoreCase(TextView text, TextView pattern) {
  return findWith(text.view(), pattern.view(), sameFolded);
}

int findExact(TextView text, TextView pattern) {
  return findWith(text.view(), pattern.view(),
                  [](std::string_view a, std::string_view b) { return a == b; });
}

int findLast(TextView text, TextView pattern) {
  // Each search resumes behind the occurrence found last, so occurrences do not overlap.
  std::string_view rest = text.view();
  int last = 0;
  int consumed = 0;
  for (int p = findExact(rest, pattern); p > 0; p = findExact(rest, pattern)) {
    last = consumed + p;
    const int skip = p - 1 + pattern.size();
    consumed += skip;
    rest.remove_prefix(sz(skip));
  }
  return last;
}

bool contains(TextView text, TextView pattern) {
  return findExact(text, pattern) > 0;
}
bool containsIgnoreCase(TextView text, TextView pattern) {
  return findIgnoreCase(text, pattern) > 0;
}

bool startsWith(TextView text, TextView prefix) {
  std::string_view rest = text.view();
  rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
  if (prefix.view().size() > rest.size()) return false;
  return sameFolded(rest.substr(0, prefix.view().size()), prefix.view());
}

bool endsWith(TextView text, TextView suffix) {
  const std::string_view t = text.view();
  const std::string_view s = suffix.view();
  if (s.empty() || s.size() > t.size()) return false;
  return sameFolded(t.substr(t.size() - s.size()), s);
}

bool equalIgnoreCase(TextView a, TextView b) {
  return sameFolded(a.view(), b.view());
}

int compareText(TextView a, TextView b) {
  const std::string_view x = a.view();
  const std::string_view y = b.view();
  const std::size_t common = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (x[i] == y[i]) continue;
    const unsigned char cx = folded(x[i]);
    const unsigned char cy = folded(y[i]);
    if (cx != cy) return cx > cy ? 1 : 2;
  }
  // The end of a text sorts before every character, so a prefix sorts first.
  if (x.size() == y.size()) return 0;
  return x.size() > y.size() ? 1 : 2;
}

char upperChar(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
bool isHexLetter(char c) {
  return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool isHexDigit(char c) {
  return inRanges(c, "AFaf09");
}

bool inRanges(char c, TextView ranges) {
  const std::string_view r = ranges.view();
  const auto code = static_cast<unsigned char>(c);
  for (std::size_t i = 0; i + 1 < r.size(); i += 2) {
    if (static_cast<unsigned char>(r[i]) <= code && code <= static_cast<unsigned char>(r[i + 1])) {
      return true;
    }
  }
  return false;
}

}  // namespace qiro
