// The program's texts are bytes of the Western European code page (Windows-1252); the
// platform's services take Unicode.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qiro {

// Every byte as the character it stands for in Windows-1252: 0x80 to 0x9F through that
// code page's own table (0x80 is the euro sign), every other byte as the same code point.
std::u16string utf16FromWindows1252(std::string_view bytes);
std::string utf8FromWindows1252(std::string_view bytes);
// The way back from UTF-8, for texts written in the source tree; nothing when the bytes are
// not UTF-8 or hold a character the code page lacks.
std::optional<std::string> windows1252FromUtf8(std::string_view utf8);

}  // namespace qiro
