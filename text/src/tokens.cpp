// Comma token lists and key=value settings tables.
#include "text/tokens.h"

#include <string>

#include "text_access.h"

namespace qiro {

void popToken(Text& target, Text& source) {
  std::string& s = TextAccess::bytes(source);
  const std::size_t comma = s.find(',');
  Text token;
  if (comma == std::string::npos) {
    token.adopt(std::move(source));
  } else {
    token.assign(std::string_view(s).substr(0, comma));
    s.erase(0, comma + 1);
  }
  trimLeft(token);
  trimRight(token);
  trimLeft(source);
  target.adopt(std::move(token));
}

void popTokenUpper(Text& target, Text& source) {
  popToken(target, source);
  upperText(target);
}

std::int32_t popInteger(Text& source) {
  Text t;
  popToken(t, source);
  // Each leading minus (with the spaces around it) negates what follows: "--5" is 5.
  bool negative = false;
  while (removePrefix(t, "-"))
    negative = !negative;
  // 32-bit arithmetic that wraps instead of overflowing.
  std::uint32_t value = 0;
  for (char c : t.view()) {
    if (!isDigit(c)) break;
    value = value * 10U + static_cast<std::uint32_t>(c - '0');
  }
  if (negative) value = 0U - value;
  return static_cast<std::int32_t>(value);
}

void dropTokens(Text& buf, int n) {
  if (n <= 0) return;
  std::string& s = TextAccess::bytes(buf);
  std::size_t at = 0;
  for (int left = n; left > 0; --left) {
    at = s.find(',', at);
    if (at == std::string::npos) {
      s.clear();
      return;
    }
    ++at;
  }
  s.erase(0, at);
}

void joinInto(TextList& list, Text& target) {
  target.clear();
  Text item;
  while (list.isNotEmpty()) {
    list.popFront(item);
    target.append(item, ",");
  }
}

namespace {

Text keyed(TextView key) {
  Text k;
  k.assign(key, "=");
  return k;
}

}  // namespace

int keyIndex(const TextList& list, TextView key) {
  const Text prefix = keyed(key);
  for (int i = 1; i <= list.count(); ++i) {
    if (startsWith(list.item(i), prefix)) return i;
  }
  return 0;
}

void setValue(TextList& list, TextView key, TextView value) {
  Text entry;
  entry.assign(key, "=", value);
  const int at = keyIndex(list, key);
  if (at > 0) {
    list.replaceAt(at, entry);
  } else {
    list.addSorted(entry);
  }
}

int getValue(const TextList& list, TextView key, Text& target) {
  const int at = keyIndex(list, key);
  if (at == 0) {
    target.clear();
    return 0;
  }
  Text value(list.item(at));
  removePrefix(value, keyed(key));
  target.adopt(std::move(value));
  return at;
}

std::int32_t getInteger(const TextList& list, TextView key) {
  Text value;
  getValue(list, key, value);
  return popInteger(value);
}

void splitEntry(const TextList& list, int index, Text& key, Text& value) {
  const std::string_view entry = TextView(list.item(index)).view();
  const std::size_t sign = entry.find('=');
  if (sign == std::string_view::npos) {
    key.clear();
    value.clear();
    return;
  }
  Text k(entry.substr(0, sign));
  value.assign(entry.substr(sign + 1));
  key.adopt(std::move(k));
}

}  // namespace qiro
