// Character maps: translation of texts through 256-entry tables.
#include "text/char_map.h"

#include <algorithm>

#include "text_access.h"

namespace qiro {

void resetMap(CharMap& map) {
  map.entries = CharMap::identity();
}

void defineMap(CharMap& map, TextView from, TextView to) {
  if (from.empty() || from.size() != to.size()) return;
  for (int p = 1; p <= from.size(); ++p) {
    map.entries[sz(byteCode(from.at(p)))] = static_cast<std::uint8_t>(byteCode(to.at(p)));
  }
}

void applyMap(const CharMap& map, Text& buf) {
  std::string& s = TextAccess::bytes(buf);
  for (char& c : s)
    c = static_cast<char>(map.entries[sz(byteCode(c))]);
  // A map that sends a character to code 0 ends the text there.
  s.resize(std::min(s.find('\0'), s.size()));
}

}  // namespace qiro
