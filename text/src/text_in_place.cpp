// Routines that change a text in place. Routines that may lengthen a text work on an
// owning Text, so growing can never write past its end.
#include <algorithm>
#include <string>

#include "text/text.h"
#include "text_access.h"

namespace qiro {

namespace {

std::string& bytesOf(Text& t) {
  return TextAccess::bytes(t);
}

}  // namespace

void dropFront(Text& buf, int n) {
  if (n > 0) bytesOf(buf).erase(0, sz(std::min(n, buf.length())));
}

void dropBack(Text& buf, int n) {
  if (n > 0) bytesOf(buf).resize(sz(std::max(0, buf.length() - n)));
}

void keepFront(Text& buf, int n) {
  if (buf.length() > n) bytesOf(buf).resize(sz(std::max(0, n)));
}

void keepBack(Text& buf, int n) {
  if (buf.length() > n) bytesOf(buf).erase(0, sz(buf.length() - std::max(0, n)));
}

void trimLeft(Text& buf) {
  std::string& s = bytesOf(buf);
  s.erase(0, std::min(s.find_first_not_of(' '), s.size()));
}

void trimRight(Text& buf) {
  std::string& s = bytesOf(buf);
  const std::size_t last = s.find_last_not_of(' ');
  s.resize(last == std::string::npos ? 0 : last + 1);
}

void clearText(Text& buf) {
  buf.clear();
}

void upperText(Text& buf) {
  for (char& c : bytesOf(buf))
    c = upperChar(c);
}

void sortChars(Text& buf) {
  // By signed byte value, so codes 128-255 come first.
  std::string& s = bytesOf(buf);
  std::sort(s.begin(), s.end(), [](char a, char b) {
    return static_cast<signed char>(a) < static_cast<signed char>(b);
  });
}

void reverseText(Text& buf) {
  std::reverse(bytesOf(buf).begin(), bytesOf(buf).end());
}

void reverseRange(Text& buf, int from, int to) {
  if (buf.length() <= 1 || from < 1 || to > buf.length() || from >= to) return;
  std::string& s = bytesOf(buf);
  std::reverse(s.begin() + from - 1, s.begin() + to);
}

void translateChars(Text& buf, TextView from, TextView to) {
  const std::size_t m = std::min(from.view().size(), to.view().size());
  const std::string f(from.view().substr(0, m));
  const std::string t(to.view().substr(0, m));
  for (char& c : bytesOf(buf)) {
    const std::size_t place = f.find(c);
    if (place != std::string::npos) c = t[place];
  }
}

void replaceChar(Text& buf, char oldChar, char newChar) {
  if (newChar == '\0') {  // a zero byte would end the text: cut there, as a C text would
    const std::size_t p = bytesOf(buf).find(oldChar);
    if (p != std::string::npos) bytesOf(buf).resize(p);
    return;
  }
  std::replace(bytesOf(buf).begin(), bytesOf(buf).end(), oldChar, newChar);
}

void removeChar(Text& buf, char c) {
  std::erase(bytesOf(buf), c);
}
void slashesForward(Text& buf) {
  replaceChar(buf, '\\', '/');
}
void slashesBack(Text& buf) {
  replaceChar(buf, '/', '\\');
}

bool removePrefix(Text& buf, TextView prefix) {
  if (prefix.empty() || !startsWith(buf, prefix)) return false;
  trimLeft(buf);
  dropFront(buf, prefix.size());
  trimLeft(buf);
  return true;
}

void insertAt(Text& buf, int pos, TextView s) {
  if (s.empty()) return;
  const int at = std::clamp(pos, 1, buf.length() + 1);
  const std::string piece(s.view());  // s may point into buf itself
  bytesOf(buf).insert(at0(at), piece);
}

void replaceInPlace(Text& buf, int maxCount, TextView search, TextView replacement) {
  if (search.empty()) return;
  // Copies keep the pieces valid when they point into buf itself.
  const std::string pattern(search.view());
  const std::string insert(replacement.view());
  std::string& s = bytesOf(buf);
  std::size_t from = 0;
  for (int left = maxCount; left > 0; --left) {
    const int p = findIgnoreCase(std::string_view(s).substr(from), pattern);
    if (p == 0) return;
    const std::size_t at = from + at0(p);
    s.replace(at, pattern.size(), insert);
    from = at + insert.size();
  }
}

void safeReplace(Text& buf, int maxCount, TextView search, TextView replacement) {
  if (replacement.size() > search.size()) return;
  replaceInPlace(buf, maxCount, search, replacement);
}

void copyConcat(Text& dst, TextView a, TextView b, TextView c, TextView d, TextView e) {
  std::string r;
  for (TextView piece : {a, b, c, d, e})
    r.append(piece.view());
  dst.assign(std::string_view(r));
}

}  // namespace qiro
