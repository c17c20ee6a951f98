// The operations of the owning Text.
#include "text/text.h"

#include <functional>
#include <string>

#include "text/scratch.h"
#include "text_access.h"

namespace qiro {

namespace {

// Builds the new value aside first, so that pieces may come from the text itself.
std::string joined(TextView a, TextView b = {}, TextView c = {}) {
  std::string s;
  s.reserve(a.view().size() + b.view().size() + c.view().size());
  s.append(a.view()).append(b.view()).append(c.view());
  return s;
}

}  // namespace

bool Text::overlaps(TextView s) const {
  const std::less_equal<const char*> notAfter;
  const char* begin = value_.data();
  return notAfter(begin, s.view().data()) && notAfter(s.view().data(), begin + value_.size());
}

void Text::assign(TextView s) {
  if (overlaps(s)) {
    value_ = joined(s);
  } else {
    value_.assign(s.view());
  }
}

void Text::assign(TextView a, TextView b) {
  value_ = joined(a, b);
}
void Text::assign(TextView a, TextView b, TextView c) {
  value_ = joined(a, b, c);
}

void Text::append(TextView s) {
  if (overlaps(s)) {
    value_ = joined(value_, s);
  } else {
    value_.append(s.view());
  }
}

void Text::append(TextView a, TextView b) {
  if (overlaps(a) || overlaps(b)) {
    value_ = joined(value_, joined(a, b));
  } else {
    value_.append(a.view()).append(b.view());
  }
}

void Text::append(TextView a, TextView b, TextView c) {
  value_ = joined(value_, joined(a, b, c));
}

void Text::adopt(Text&& other) {
  value_ = std::move(other.value_);
  other.value_.clear();
}

void Text::repeat(int count, TextView s) {
  std::string r;
  for (int i = 0; i < count; ++i)
    r.append(s.view());
  value_ = std::move(r);
}

void Text::charRange(int first, int last) {
  const int step = first <= last ? 1 : -1;
  std::string r;
  for (int c = first;; c += step) {
    r.push_back(static_cast<char>(c));
    if (c == last) break;
  }
  assign(std::string_view(r));  // a zero code ends the text there, as in any text
}

void Text::reserve(int extra) {
  if (extra > 0) value_.reserve(value_.size() + sz(extra));
}

void Text::padRight(int width) {
  if (length() < width) value_.append(sz(width - length()), ' ');
}

void Text::formatHash(TextView pattern, int number) {
  Text r(pattern);
  replaceInPlace(r, 1, "#", numberText(number));
  adopt(std::move(r));
}

void Text::formatHash(TextView pattern, int first, int second) {
  Text r(pattern);
  replaceInPlace(r, 1, "#", numberText(first));
  replaceInPlace(r, 1, "#", numberText(second));
  adopt(std::move(r));
}

void Text::cutFront(Text& buffer, int n) {
  const int k = n < buffer.length() ? n : buffer.length();
  if (k <= 0) {
    clear();
    return;
  }
  std::string front = buffer.value_.substr(0, sz(k));
  buffer.value_.erase(0, sz(k));
  value_ = std::move(front);
}

void Text::replaceAll(TextView search, TextView replacement) {
  if (search.empty()) return;
  std::string r;
  std::string_view rest = value_;
  for (int p = findIgnoreCase(rest, search); p > 0; p = findIgnoreCase(rest, search)) {
    r.append(rest.substr(0, at0(p))).append(replacement.view());
    rest.remove_prefix(at0(p) + search.view().size());
  }
  r.append(rest);
  value_ = std::move(r);
}

void Text::replaceFirst(TextView search, TextView replacement) {
  const int p = findIgnoreCase(value_, search);
  if (p == 0) return;
  value_ = joined(std::string_view(value_).substr(0, at0(p)), replacement,
                  std::string_view(value_).substr(at0(p) + search.view().size()));
}

bool Text::equalsIgnoreCase(TextView s) const {
  return equalIgnoreCase(value_, s);
}

}  // namespace qiro
