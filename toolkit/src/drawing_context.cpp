// The drawing context: page units, the origin and its stack, and the primitives.
#include "toolkit/drawing_context.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "text/scratch.h"
#include "text/tokens.h"
#include "toolkit/rotation.h"

namespace qiro {

namespace {

constexpr double kMmPerInch = 25.4;

// px x 25.4 / dpi, truncated, in whole numbers so an exact result never comes out one
// short.
int millimetresOf(int px, int dpi) {
  return static_cast<int>(static_cast<std::int64_t>(px) * 254 /
                          (static_cast<std::int64_t>(dpi) * 10));
}

}  // namespace

// ---- Set-up

void DrawingContext::setResolution(int x, int y) {
  resolutionX_ = x;
  resolutionY_ = y;
  recomputeMillimetres();
}

void DrawingContext::setPageSize(int widthPx, int heightPx) {
  pageWidthPx_ = widthPx;
  pageHeightPx_ = heightPx;
  recomputeMillimetres();
}

void DrawingContext::setUpScreenPage(int dotsPerInch, int width, int height, int originX,
                                     int originY, Canvas* device) {
  setResolution(dotsPerInch, dotsPerInch);
  setPageSize(width, height);
  setPrintableSize(width, height);
  setBaseOrigin(originX, originY);
  setOriginMm(0, 0);
  setDevice(device);
}

void DrawingContext::setPrintableSize(int widthPx, int heightPx) {
  printableWidthPx_ = widthPx;
  printableHeightPx_ = heightPx;
  usableWidthPx_ = widthPx;
  usableHeightPx_ = heightPx;
  recomputeMillimetres();
}

void DrawingContext::recomputeMillimetres() {
  if (resolutionX_ <= 0 || resolutionY_ <= 0) return;
  printableWidthPx_ = minOf(printableWidthPx_, pageWidthPx_);
  printableHeightPx_ = minOf(printableHeightPx_, pageHeightPx_);
  usableWidthPx_ = minOf(usableWidthPx_, pageWidthPx_);
  usableHeightPx_ = minOf(usableHeightPx_, pageHeightPx_);
  pageWidthMm_ = millimetresOf(pageWidthPx_, resolutionX_);
  pageHeightMm_ = millimetresOf(pageHeightPx_, resolutionY_);
  printableWidthMm_ = millimetresOf(printableWidthPx_, resolutionX_);
  printableHeightMm_ = millimetresOf(printableHeightPx_, resolutionY_);
  usableWidthMm_ = millimetresOf(usableWidthPx_, resolutionX_);
  usableHeightMm_ = millimetresOf(usableHeightPx_, resolutionY_);
}

void DrawingContext::setLabel(TextView label) {
  label_.assign(label);
  labelled_ = true;
  // That printer driver's pages are placed from their bottom edge.
  if (containsIgnoreCase(label_, "pdfcreator")) {
    bottomOrigin_ = true;
    centreOrigin();
  }
}

void DrawingContext::centreOrigin() {
  baseOriginX_ = usableWidthPx_ / 2;
  baseOriginY_ = bottomOrigin_ ? pageHeightPx_ - usableHeightPx_ / 2 : usableHeightPx_ / 2;
}

void DrawingContext::setBaseOrigin(int x, int y) {
  baseOriginX_ = x;
  baseOriginY_ = y;
}

void DrawingContext::copyFrom(const DrawingContext& other) {
  device_ = other.device_;
  label_.assign(other.label_);
  resolutionX_ = other.resolutionX_;
  resolutionY_ = other.resolutionY_;
  baseOriginX_ = other.baseOriginX_;
  baseOriginY_ = other.baseOriginY_;
  labelled_ = other.labelled_;
  bottomOrigin_ = other.bottomOrigin_;
  pageWidthPx_ = other.pageWidthPx_;
  pageHeightPx_ = other.pageHeightPx_;
  printableWidthPx_ = other.printableWidthPx_;
  printableHeightPx_ = other.printableHeightPx_;
  recomputeMillimetres();
  usableWidthPx_ = other.usableWidthPx_;
  usableHeightPx_ = other.usableHeightPx_;
  usableWidthMm_ = other.usableWidthMm_;
  usableHeightMm_ = other.usableHeightMm_;
  zoom_ = other.zoom_;
}

// ---- Conversions

// The product is taken in single precision, as the page sizes were always computed, so
// that 25.4 mm at 100 dots per inch is 100 pixels and not 99.
int DrawingContext::mmToPixelsX(float mm) const {
  return truncToShort(static_cast<double>(static_cast<float>(resolutionX_) * mm * zoom_) /
                      kMmPerInch);
}

int DrawingContext::mmToPixelsY(float mm) const {
  return truncToShort(static_cast<double>(static_cast<float>(resolutionY_) * mm * zoom_) /
                      kMmPerInch);
}

float DrawingContext::pixelsToMmX(int px) const {
  const double dots = resolutionX_ * static_cast<double>(zoom_);
  return dots == 0 ? 0.0F : static_cast<float>(px * kMmPerInch / dots);
}

float DrawingContext::pixelsToMmY(int px) const {
  const double dots = resolutionY_ * static_cast<double>(zoom_);
  return dots == 0 ? 0.0F : static_cast<float>(px * kMmPerInch / dots);
}

int DrawingContext::from600(int value) const {
  // round(value x dpi / 600), halves up, in whole numbers: floor((2 v dpi + 600) / 1200).
  const std::int64_t twice = 2 * static_cast<std::int64_t>(value) * resolutionX_ + 600;
  std::int64_t result = twice / 1200;
  if (twice % 1200 != 0 && twice < 0) --result;
  return truncToShort(static_cast<double>(result));
}

// ---- Origin

void DrawingContext::setOriginMm(float xMm, float yMm) {
  originX_ = baseOriginX_ + mmToPixelsX(xMm);
  originY_ = baseOriginY_ - mmToPixelsY(yMm);
}

void DrawingContext::pushOrigin() {
  Text stack;
  stack.assign(numberText(originX_), ",", numberText(originY_));
  stack.append(",", originStack_);
  originStack_.adopt(std::move(stack));
}

void DrawingContext::popOrigin() {
  if (originStack_.isEmpty()) return;
  originX_ = popInteger(originStack_);
  originY_ = popInteger(originStack_);
}

// ---- Pens, brushes

void DrawingContext::setPen(int widthPx, Colour colour) {
  PenHolder& pen = currentPen();
  pen.create(widthPx, colour);
  if (Canvas* canvas = device()) pen.select(*canvas);
}

void DrawingContext::setPenMm(float widthMm, Colour colour) {
  setPen(mmToPixelsX(widthMm), colour);
}

void DrawingContext::setBrush(Colour colour) {
  BrushHolder& brush = currentBrush();
  brush.createSolid(colour);
  if (Canvas* canvas = device()) brush.select(*canvas);
}

void DrawingContext::setHollowBrush() {
  BrushHolder& brush = currentBrush();
  brush.createHollow();
  if (Canvas* canvas = device()) brush.select(*canvas);
}

// ---- Primitives

void DrawingContext::line(int x1, int y1, int x2, int y2) {
  if (Canvas* canvas = device()) {
    canvas->line(originX_ + x1, originY_ - y1, originX_ + x2, originY_ - y2);
  }
}

void DrawingContext::polygon(int dx, int dy, std::span<const Point> points) {
  Canvas* canvas = device();
  if (canvas == nullptr) return;
  std::vector<DevicePoint> onDevice;
  onDevice.reserve(points.size());
  for (const Point& p : points) {
    onDevice.push_back({originX_ + p.x + dx, originY_ - (p.y + dy)});
  }
  canvas->polygon(onDevice);
}

void DrawingContext::ellipse(int cx, int cy, int rx, int ry) {
  if (Canvas* canvas = device()) {
    canvas->ellipse(originX_ + cx - rx, originY_ - (cy + ry), originX_ + cx + rx,
                    originY_ - (cy - ry));
  }
}

void DrawingContext::circle(int cx, int cy, int r) {
  ellipse(cx, cy, r, r);
}

void DrawingContext::rotatedRectangle(int cx, int cy, float angle, int width, int height) {
  const float halfW = static_cast<float>(width) / 2.0F;
  const float halfH = static_cast<float>(height) / 2.0F;
  const std::array<std::array<float, 2>, 4> corners = {
      {{-halfW, -halfH}, {halfW, -halfH}, {halfW, halfH}, {-halfW, halfH}}};
  Rotation rotation;
  rotation.setAngle(angle);
  std::array<Point, 5> points{};
  for (std::size_t i = 0; i < corners.size(); ++i) {
    rotation.turn(corners[i][0], corners[i][1]);
    points[i] = {cx + truncToShort(rotation.x()), cy + truncToShort(rotation.y())};
  }
  points[4] = points[0];
  polygon(0, 0, points);
}

void DrawingContext::hexagon(int cx, int cy, float angle, int radius) {
  // The corner arithmetic of the tiling: two corners rounded, the other four derived from
  // them, so opposite corners are exactly opposite.
  const float t = angle * std::numbers::pi_v<float> / 180.0F;
  const float sixty = std::numbers::pi_v<float> / 3.0F;
  const auto r = static_cast<float>(radius);
  const Point a{roundToShort(r * std::cos(t)), roundToShort(r * std::sin(t))};
  const Point b{roundToShort(r * std::cos(t + sixty)), roundToShort(r * std::sin(t + sixty))};
  const Point c{b.x - a.x, b.y - a.y};
  const std::array<Point, 7> offsets = {
      a, b, c, Point{-a.x, -a.y}, Point{-b.x, -b.y}, Point{-c.x, -c.y}, a};
  std::array<Point, 7> points{};
  for (std::size_t i = 0; i < offsets.size(); ++i) {
    points[i] = {cx + offsets[i].x, cy + offsets[i].y};
  }
  polygon(0, 0, points);
}

void DrawingContext::textAtMm(float xMm, float yMm, TextView text, bool centred) {
  Canvas* canvas = device();
  if (canvas == nullptr) return;
  FontHolder& font = currentFont();
  if (!font.selectedInto(*canvas)) font.select(*canvas);
  font.setCentred(centred);
  font.textOutWithOffset(originX_ + mmToPixelsX(xMm), originY_ - mmToPixelsY(yMm), text);
}

void DrawingContext::registeredMark(float xMm, float yMm, float sizeMm) {
  const int height = mmToPixelsX(2.0F * sizeMm);
  currentFont().createWithOffset(height, height / 3, 0, false, 0, "Times New Roman");
  textAtMm(xMm, yMm, "\xAE", true);
}

}  // namespace qiro
