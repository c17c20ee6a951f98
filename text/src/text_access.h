// Write access to a Text's bytes for the routines of the text layer itself.
#pragma once

#include <string>

#include "text/text.h"

namespace qiro {

struct TextAccess {
  static std::string& bytes(Text& t) { return t.value_; }
};

// Index of a 1-based position in a std::string.
inline std::size_t at0(int pos) {
  return static_cast<std::size_t>(pos - 1);
}
inline std::size_t sz(int n) {
  return static_cast<std::size_t>(n);
}

}  // namespace qiro
