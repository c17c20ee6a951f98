// The nine page picture holders.
#include "toolkit/page_bitmaps.h"

#include <array>
#include <cstddef>

#include "toolkit/holders.h"

namespace qiro {

namespace {

struct PageBitmaps {
  std::array<BitmapHolder, kPageBitmapCount> holders;
  int loads = 0;
};

PageBitmaps& pageBitmaps() {
  static PageBitmaps bitmaps;
  return bitmaps;
}

}  // namespace

bool drawPageBitmap(Canvas& device, int n, int x, int y, int width, int height) {
  if (n < 1 || n > kPageBitmapCount) return false;
  PageBitmaps& bitmaps = pageBitmaps();
  BitmapHolder& holder = bitmaps.holders[static_cast<std::size_t>(n - 1)];
  if (!holder.loaded()) {
    ++bitmaps.loads;
    holder.load(n);
  }
  return holder.stretchBlit(device, x, y, width, height);
}

int pageBitmapLoads() {
  return pageBitmaps().loads;
}

}  // namespace qiro
