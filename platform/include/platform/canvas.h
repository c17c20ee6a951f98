// The drawing surface of the platform: off-screen layers, bitmaps from the program's
// resources, and a canvas that draws on either with pens, brushes and fonts. Colours
// are 0x00BBGGRR values; coordinates are device pixels, y downward.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace qiro {

struct DevicePoint {
  int x = 0;
  int y = 0;
};

// A geometric solid pen: round ends and joins, width in pixels (0 draws one pixel wide).
struct PenSpec {
  int width = 1;
  unsigned int colour = 0;
  bool none = false;  // draws no outline at all
  friend bool operator==(const PenSpec&, const PenSpec&) = default;
};

struct BrushSpec {
  unsigned int colour = 0xFFFFFF;
  bool hollow = false;  // fills nothing
  friend bool operator==(const BrushSpec&, const BrushSpec&) = default;
};

// Height is the character cell height in pixels (a negative height is the height of the
// characters alone, 0 a default); width the average character width (0 for the face's
// own proportion); escapement in tenths of a degree, counter-clockwise; weight 100 to 900
// (0 is the normal weight). "Arial", "Helvetica" and "Times New Roman" resolve to faces
// with the same metrics; a face that is not installed falls back to a similar one.
struct FontSpec {
  int height = 0;
  int width = 0;
  int escapement = 0;
  bool italic = false;
  int weight = 400;
  std::string face = "Arial";
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct TextSize {
  int width = 0;
  int height = 0;
};

// The family a font resolves to on this machine.
std::string resolvedFontFamily(const FontSpec& font);

class Layer;
class Bitmap;

// Draws on a layer (later also on a window), without antialiasing, so every pixel is
// predictable. The pen, brush and font stay until replaced. Texts are bytes of the
// Western European code page. A canvas must not outlive what it draws on, and only one
// canvas at a time draws on a layer (a second one draws nothing).
// Boxes (left, top, right, bottom) leave out their right column and bottom row, so a box
// of width w covers w pixels.
class Canvas {
 public:
  explicit Canvas(Layer& layer);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  void setPen(const PenSpec& pen);
  void setBrush(const BrushSpec& brush);
  void setFont(const FontSpec& font);
  const PenSpec& pen() const;
  const BrushSpec& brush() const;
  const FontSpec& font() const;
  void setTextColour(unsigned int colour);
  // Opaque text paints its background box in the background colour first.
  void setTextBackground(unsigned int colour, bool opaque);
  // Centred: the reference point is the top centre of the text, else its top left.
  void setTextCentred(bool centred);

  // Both end points are drawn.
  void line(int x1, int y1, int x2, int y2);
  // Filled with the brush, outlined with the pen.
  void polygon(std::span<const DevicePoint> points);
  // The ellipse inside the box, filled with the brush, outlined with the pen.
  void ellipse(int left, int top, int right, int bottom);
  // Filled with the brush, outlined with the pen.
  void rectangle(int left, int top, int right, int bottom);
  // In one colour, without pen or brush.
  void fillRectangle(int left, int top, int right, int bottom, unsigned int colour);
  // The reference point (x, y) is the top left or top centre of the text, turned with the
  // text by the font's escapement.
  void textOut(int x, int y, std::string_view text);
  // The advance width and the cell height of the text in the current font.
  TextSize textSize(std::string_view text);
  // Copies a rectangle of another layer here, unscaled.
  void blit(int x, int y, const Layer& source, int srcX, int srcY, int width, int height);
  // Copies the source rectangle of a bitmap onto the destination rectangle, scaled
  // (nearest pixel); answers false when there was nothing to copy.
  bool stretchBlit(const Bitmap& source, int x, int y, int width, int height, int srcX, int srcY,
                   int srcWidth, int srcHeight);

 private:
  friend class CanvasLink;
  struct State;
  std::unique_ptr<State> state_;
  std::shared_ptr<Canvas*> self_;  // expires with the canvas; see CanvasLink
};

// Remembers a canvas without owning it and knows when it is gone: the drawing objects
// that live for the whole run are selected into canvases that live for one paint.
class CanvasLink {
 public:
  CanvasLink() = default;
  explicit CanvasLink(Canvas* canvas);
  // Null when no canvas was given or it has been destroyed since.
  Canvas* get() const;

 private:
  std::weak_ptr<Canvas*> canvas_;
};

// An off-screen image that canvases draw on.
class Layer {
 public:
  // Filled with fill; a width or height below 1 gives an empty layer that nothing draws on.
  Layer(int width, int height, unsigned int fill = 0xFFFFFF);
  ~Layer();
  Layer(Layer&&) noexcept;
  Layer& operator=(Layer&&) noexcept;
  int width() const;
  int height() const;
  // The colour at (x, y); 0 outside the layer.
  unsigned int pixel(int x, int y) const;
  // Answers whether the file was written.
  bool savePng(std::string_view path) const;
  // An uncompressed 8-bit BMP with a 256-entry colour table. A layer of up to 256 colours
  // keeps every colour exactly; a layer of more is reduced to a fixed table. The file is
  // replaced only once it is complete. Answers whether it was written.
  bool saveBmp(std::string_view path) const;

  // The image behind the layer, for the platform's own sources.
  struct Image;
  Image& image() const { return *image_; }

 private:
  std::unique_ptr<Image> image_;
};

// A picture from the program's embedded resources, by number.
class Bitmap {
 public:
  // The picture ":/bitmaps/<id>.bmp"; null when the resource does not exist or cannot be
  // read.
  static std::unique_ptr<Bitmap> load(int id);
  ~Bitmap();
  int width() const;
  int height() const;

  // The image behind the bitmap, for the platform's own sources.
  struct Image;
  Image& image() const { return *image_; }

 private:
  Bitmap();
  std::unique_ptr<Image> image_;
};

}  // namespace qiro
