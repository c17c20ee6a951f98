// DrawingContext: a drawing surface seen as a page, with pixel and millimetre units, a
// zoom, and an origin from which the y axis points up.
#pragma once

#include <span>

#include "text/numeric.h"
#include "text/text.h"
#include "toolkit/holders.h"

namespace qiro {

class DrawingContext {
 public:
  // Set-up. Each size setter recomputes the millimetre figures (when both resolutions
  // are above 0), after clamping printable and usable sizes to the page.
  void setResolution(int x, int y);
  void setPageSize(int widthPx, int heightPx);
  // Also sets the usable size.
  void setPrintableSize(int widthPx, int heightPx);
  void setZoom(float factor) { zoom_ = factor; }
  // A label containing "pdfcreator" (any case) places the base origin from the bottom
  // edge.
  void setLabel(TextView label);
  void centreOrigin();
  // Only the base origin; setOriginMm(0, 0) moves the current origin onto it.
  void setBaseOrigin(int x, int y);
  // A screen page of width x height pixels at dotsPerInch, whose base and current origin
  // are device pixel (originX, originY), drawn on device: the set-up of every off-screen
  // drawing of a board or a page.
  void setUpScreenPage(int dotsPerInch, int width, int height, int originX, int originY,
                       Canvas* device);
  // The canvas drawn on; a context whose canvas has ended draws nothing.
  void setDevice(Canvas* device) { device_ = CanvasLink(device); }
  // Device, label, resolutions, base origin, flags, page, printable and usable sizes and
  // zoom; not the current origin or the origin stack.
  void copyFrom(const DrawingContext& other);

  // Conversions, truncated toward zero; pixel results stay within 16 bits.
  int mmToPixelsX(float mm) const;
  int mmToPixelsY(float mm) const;
  float pixelsToMmX(int px) const;
  float pixelsToMmY(int px) const;
  // Pixels at 600 dots per inch to device pixels, halves rounded up.
  int from600(int value) const;

  // Origin. The stack is a text of saved origins, most recent first, each "x,y,".
  void setOriginMm(float xMm, float yMm);
  void pushOrigin();
  // An empty stack leaves the origin where it is.
  void popOrigin();

  // Pens, brushes and fonts through the shared holders, selected into the device.
  // Each replaces what the shared holder held before.
  void setPen(int widthPx, Colour colour);
  void setPenMm(float widthMm, Colour colour);
  void setBrush(Colour colour);
  void setHollowBrush();

  // Primitives: (x, y) relative to the current origin, y up, lands on device pixel
  // (originX + x, originY - y).
  void line(int x1, int y1, int x2, int y2);
  // Every point shifted by (dx, dy) first.
  void polygon(int dx, int dy, std::span<const Point> points);
  // The ellipse in the box from (cx - rx, cy - ry) to (cx + rx, cy + ry).
  void ellipse(int cx, int cy, int rx, int ry);
  void circle(int cx, int cy, int r);
  // The corners (+-width/2, +-height/2) turned by angle degrees about the centre.
  void rotatedRectangle(int cx, int cy, float angle, int width, int height);
  // A regular hexagon whose first corner lies radius away at angle degrees, the others
  // following counter-clockwise every 60 degrees.
  void hexagon(int cx, int cy, float angle, int radius);
  // Through currentFont (selected into this context's device if it is not), with its
  // offset, centred on x or starting at x.
  void textAtMm(float xMm, float yMm, TextView text, bool centred);
  // The character 0xAE in "Times New Roman", 2 x size high and a third as wide, centred on
  // the position; it becomes currentFont.
  void registeredMark(float xMm, float yMm, float sizeMm);

  Canvas* device() const { return device_.get(); }
  float zoom() const { return zoom_; }
  const Text& label() const { return label_; }
  const Text& originStack() const { return originStack_; }
  int resolutionX() const { return resolutionX_; }
  int resolutionY() const { return resolutionY_; }
  int baseOriginX() const { return baseOriginX_; }
  int baseOriginY() const { return baseOriginY_; }
  int originX() const { return originX_; }
  int originY() const { return originY_; }
  bool labelled() const { return labelled_; }
  bool bottomOrigin() const { return bottomOrigin_; }
  int pageWidthPx() const { return pageWidthPx_; }
  int pageHeightPx() const { return pageHeightPx_; }
  int pageWidthMm() const { return pageWidthMm_; }
  int pageHeightMm() const { return pageHeightMm_; }
  int printableWidthPx() const { return printableWidthPx_; }
  int printableHeightPx() const { return printableHeightPx_; }
  int printableWidthMm() const { return printableWidthMm_; }
  int printableHeightMm() const { return printableHeightMm_; }
  int usableWidthPx() const { return usableWidthPx_; }
  int usableHeightPx() const { return usableHeightPx_; }
  int usableWidthMm() const { return usableWidthMm_; }
  int usableHeightMm() const { return usableHeightMm_; }

 private:
  void recomputeMillimetres();

  float zoom_ = 1.0F;
  Text label_;
  Text originStack_;
  CanvasLink device_;
  int resolutionX_ = 300;
  int resolutionY_ = 300;
  int baseOriginX_ = 0;
  int baseOriginY_ = 0;
  int originX_ = 0;
  int originY_ = 0;
  bool labelled_ = false;
  bool bottomOrigin_ = false;
  int pageWidthPx_ = 0;
  int pageHeightPx_ = 0;
  int pageWidthMm_ = 0;
  int pageHeightMm_ = 0;
  int printableWidthPx_ = 0;
  int printableHeightPx_ = 0;
  int printableWidthMm_ = 0;
  int printableHeightMm_ = 0;
  int usableWidthPx_ = 0;
  int usableHeightPx_ = 0;
  int usableWidthMm_ = 0;
  int usableHeightMm_ = 0;
};

}  // namespace qiro
