// Facts about the screens.
#pragma once

namespace qiro {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// The primary screen in pixels; 0 by 0 when there is none.
ScreenSize primaryScreenSize();

}  // namespace qiro
