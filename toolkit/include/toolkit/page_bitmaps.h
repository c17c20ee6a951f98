// The pictures of the rules pages: resources 1 to 9, each loaded on the first visit of its
// page and kept for the rest of the run.
#pragma once

#include "platform/canvas.h"

namespace qiro {

constexpr int kPageBitmapCount = 9;

// Picture n stretched over the rectangle of device pixels. A picture that failed to load is
// tried again on the next call; false when there was nothing to draw (n outside 1 to 9 or
// no picture).
bool drawPageBitmap(Canvas& device, int n, int x, int y, int width, int height);

// How many times a picture has been loaded so far in this run, failed loads included.
int pageBitmapLoads();

}  // namespace qiro
