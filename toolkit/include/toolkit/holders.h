// Holders of the drawing objects: each owns one pen, brush, font or bitmap, selects it
// into a canvas and puts back what was there before.
#pragma once

#include <memory>
#include <string>

#include "platform/canvas.h"
#include "text/text.h"

namespace qiro {

// Colours are 0x00BBGGRR values.
using Colour = unsigned int;

// A holder remembers the canvas it selected into through a CanvasLink, so a canvas that
// ends before the holder lets go of it is simply forgotten.
class PenHolder {
 public:
  // Releases the pen it held, then holds a geometric solid pen of that width in pixels.
  void create(int widthPx, Colour colour);
  // Selects the pen into device, first releasing it from any canvas it was selected into.
  void select(Canvas& device);
  // Selects back the previous pen and forgets this one.
  void release();
  const PenSpec& pen() const { return pen_; }
  bool selected() const { return device_.get() != nullptr; }

 private:
  PenSpec pen_;
  PenSpec previous_;
  CanvasLink device_;
};

class BrushHolder {
 public:
  // Releases the brush it held, then holds a solid brush, owned.
  void createSolid(Colour colour);
  // The hollow brush: a stock object, never owned.
  void createHollow();
  void select(Canvas& device);
  void release();
  const BrushSpec& brush() const { return brush_; }
  bool owned() const { return owned_; }
  bool selected() const { return device_.get() != nullptr; }

 private:
  BrushSpec brush_;
  BrushSpec previous_;
  bool owned_ = false;
  CanvasLink device_;
};

class FontHolder {
 public:
  // Releases the font it held, then holds a font of those values (no underline or
  // strike-out; weight 100 to 900, 0 the normal weight) without text offset.
  void create(int height, int width, int escapement, bool italic, int weight, TextView face);
  // The same, plus the text offset: (0, height / 2), times 1.2 (truncated) when the
  // escapement is not a multiple of 900, turned by escapement / 10 degrees.
  void createWithOffset(int height, int width, int escapement, bool italic, int weight,
                        TextView face);
  void select(Canvas& device);
  bool selectedInto(const Canvas& device) const { return device_.get() == &device; }
  void release();
  // Sets the text colour and clears the opaque flag.
  void setColour(Colour colour);
  void setBackground(Colour colour) { background_ = colour; }
  void setOpaque(bool opaque) { opaque_ = opaque; }
  // The device's alignment: top centre when set, top left when clear.
  void setCentred(bool centred);
  // The whole text at device pixel (x, y) in the device's alignment, on its background
  // when opaque.
  void textOut(int x, int y, TextView text);
  // At (x + offset x, y - offset y), with the alignment of the centring flag.
  void textOutWithOffset(int x, int y, TextView text);

  const FontSpec& font() const { return font_; }
  Colour colour() const { return colour_; }
  Colour background() const { return background_; }
  bool opaque() const { return opaque_; }
  bool centred() const { return centred_; }
  int offsetX() const { return offsetX_; }
  int offsetY() const { return offsetY_; }

 private:
  FontSpec font_;
  FontSpec previous_;
  CanvasLink device_;
  Colour colour_ = 0;
  Colour background_ = 0xFFFFFF;
  bool opaque_ = true;
  bool centred_ = false;
  int offsetX_ = 0;
  int offsetY_ = 0;
};

class BitmapHolder {
 public:
  // Releases what it held, then loads bitmap resource id; answers whether it loaded.
  bool load(int id);
  void release();
  // Copies the source rectangle of the bitmap onto the destination rectangle of device
  // (a source of width and height 0 is the whole bitmap); answers whether it copied.
  bool stretchBlit(Canvas& device, int x, int y, int width, int height, int srcX = 0, int srcY = 0,
                   int srcWidth = 0, int srcHeight = 0) const;
  bool loaded() const { return bitmap_ != nullptr; }
  // 0 when nothing is loaded.
  int width() const;
  int height() const;

 private:
  std::unique_ptr<Bitmap> bitmap_;
};

// The pen, brush and font all painting shares. Setting a new one replaces the old.
PenHolder& currentPen();
BrushHolder& currentBrush();
FontHolder& currentFont();

}  // namespace qiro
