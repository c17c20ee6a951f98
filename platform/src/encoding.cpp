// Windows-1252 bytes to Unicode.
#include "platform/encoding.h"

#include <array>
#include <cstddef>

namespace qiro {

namespace {

// 0x80 to 0x9F; the five codes the code page leaves undefined keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
};

char16_t unicodeOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80U];
  return byte;
}

void appendUtf8(std::string& out, char16_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The byte that stands for code point c, when there is one.
std::optional<char> byteOf(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

// The code point that starts at bytes[at], moving at past it; nothing for a malformed or
// overlong sequence.
std::optional<char32_t> nextCodePoint(std::string_view bytes, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(bytes[at++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t c = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    c = lead & 0x07;
  } else {
    return std::nullopt;
  }
  for (int i = 0; i < extra; ++i) {
    if (at == bytes.size()) return std::nullopt;
    const auto next = static_cast<unsigned char>(bytes[at++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  constexpr std::array<char32_t, 4> kSmallest = {0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[static_cast<std::size_t>(extra)]) return std::nullopt;
  return c;
}

}  // namespace

std::u16string utf16FromWindows1252(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (const char b : bytes)
    out += unicodeOf(static_cast<unsigned char>(b));
  return out;
}

std::string utf8FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char b : bytes)
    appendUtf8(out, unicodeOf(static_cast<unsigned char>(b)));
  return out;
}

std::optional<std::string> windows1252FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t at = 0;
  while (at < utf8.size()) {
    const std::optional<char32_t> c = nextCodePoint(utf8, at);
    if (!c) return std::nullopt;
    const std::optional<char> byte = byteOf(*c);
    if (!byte) return std::nullopt;
    out += *byte;
  }
  return out;
}

}  // namespace qiro
