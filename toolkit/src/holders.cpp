// The pen, brush, font and bitmap holders, and the three shared by all painting.
#include "toolkit/holders.h"

#include "toolkit/rotation.h"

namespace qiro {

// ---- PenHolder

void PenHolder::create(int widthPx, Colour colour) {
  release();
  pen_ = PenSpec{widthPx, colour, false};
}

void PenHolder::select(Canvas& device) {
  release();
  previous_ = device.pen();
  device.setPen(pen_);
  device_ = CanvasLink(&device);
}

void PenHolder::release() {
  if (Canvas* device = device_.get()) device->setPen(previous_);
  device_ = CanvasLink();
}

// ---- BrushHolder

void BrushHolder::createSolid(Colour colour) {
  release();
  brush_ = BrushSpec{colour, false};
  owned_ = true;
}

void BrushHolder::createHollow() {
  release();
  brush_ = BrushSpec{0, true};
  owned_ = false;
}

void BrushHolder::select(Canvas& device) {
  release();
  previous_ = device.brush();
  device.setBrush(brush_);
  device_ = CanvasLink(&device);
}

void BrushHolder::release() {
  if (Canvas* device = device_.get()) device->setBrush(previous_);
  device_ = CanvasLink();
}

// ---- FontHolder

void FontHolder::create(int height, int width, int escapement, bool italic, int weight,
                        TextView face) {
  release();
  font_ = FontSpec{height, width, escapement, italic, weight, std::string(face.view())};
  offsetX_ = 0;
  offsetY_ = 0;
}

void FontHolder::createWithOffset(int height, int width, int escapement, bool italic, int weight,
                                  TextView face) {
  create(height, width, escapement, italic, weight, face);
  int lift = height / 2;
  // A slanted text needs more room above its point than a level one.
  if (escapement % 900 != 0) lift = lift * 12 / 10;
  offsetY_ = lift;
  // Turned with the text, whichever way it turns.
  if (escapement != 0) {
    Rotation rotation;
    rotation.setAngle(static_cast<float>(escapement) / 10.0F);
    rotation.turn(0.0F, static_cast<float>(lift));
    offsetX_ = truncToShort(rotation.x());
    offsetY_ = truncToShort(rotation.y());
  }
}

void FontHolder::select(Canvas& device) {
  release();
  previous_ = device.font();
  device.setFont(font_);
  device_ = CanvasLink(&device);
}

void FontHolder::release() {
  if (Canvas* device = device_.get()) device->setFont(previous_);
  device_ = CanvasLink();
}

void FontHolder::setColour(Colour colour) {
  colour_ = colour;
  opaque_ = false;
}

void FontHolder::setCentred(bool centred) {
  centred_ = centred;
  if (Canvas* device = device_.get()) device->setTextCentred(centred);
}

void FontHolder::textOut(int x, int y, TextView text) {
  Canvas* device = device_.get();
  if (device == nullptr) return;
  device->setTextBackground(background_, opaque_);
  device->setTextColour(colour_);
  device->textOut(x, y, text.view());
}

void FontHolder::textOutWithOffset(int x, int y, TextView text) {
  if (Canvas* device = device_.get()) device->setTextCentred(centred_);
  textOut(x + offsetX_, y - offsetY_, text);
}

// ---- BitmapHolder

bool BitmapHolder::load(int id) {
  release();
  bitmap_ = Bitmap::load(id);
  return loaded();
}

void BitmapHolder::release() {
  bitmap_.reset();
}

bool BitmapHolder::stretchBlit(Canvas& device, int x, int y, int width, int height, int srcX,
                               int srcY, int srcWidth, int srcHeight) const {
  if (!bitmap_) return false;
  if (srcWidth == 0 && srcHeight == 0) {
    srcWidth = bitmap_->width();
    srcHeight = bitmap_->height();
  }
  return device.stretchBlit(*bitmap_, x, y, width, height, srcX, srcY, srcWidth, srcHeight);
}

int BitmapHolder::width() const {
  return bitmap_ ? bitmap_->width() : 0;
}

int BitmapHolder::height() const {
  return bitmap_ ? bitmap_->height() : 0;
}

// ---- The shared holders

PenHolder& currentPen() {
  static PenHolder pen;
  return pen;
}

BrushHolder& currentBrush() {
  static BrushHolder brush;
  return brush;
}

FontHolder& currentFont() {
  static FontHolder font;
  return font;
}

}  // namespace qiro
