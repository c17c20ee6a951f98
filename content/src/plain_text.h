// A stored text made plain at the moment of use, copied out of the shared result area.
#pragma once

#include <string_view>

#include "text/text.h"
#include "toolkit/scrambler.h"

namespace qiro {

inline Text plainText(std::string_view stored) {
  return Text(unscramble(stored));
}

}  // namespace qiro
