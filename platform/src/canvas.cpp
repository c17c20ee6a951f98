// The canvas on QPainter, the layers and bitmaps on QImage.
#include "platform/canvas.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QSaveFile>
#include <QStaticText>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "platform/app.h"
#include "qt_convert.h"

namespace qiro {

struct Layer::Image {
  QImage image;
};

struct Bitmap::Image {
  QImage image;
};

namespace {

constexpr int kDefaultCellHeight = 16;  // for a font asked for with height 0

QPen qtPen(const PenSpec& spec) {
  if (spec.none) return QPen(Qt::NoPen);
  QPen pen(qtColour(spec.colour));
  pen.setWidth(std::max(spec.width, 0));  // 0 is Qt's one-pixel pen too
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

QBrush qtBrush(const BrushSpec& spec) {
  if (spec.hollow) return QBrush(Qt::NoBrush);
  return QBrush(qtColour(spec.colour));
}

// The pixel size at which the face's cell (ascent and descent) is cellHeight high.
int pixelSizeForCell(QFont font, int cellHeight) {
  font.setPixelSize(cellHeight);
  const QFontMetricsF metrics(font);
  const double cell = metrics.ascent() + metrics.descent();
  if (cell <= 0) return cellHeight;
  return std::max(
      1, static_cast<int>(std::lround(static_cast<double>(cellHeight) * cellHeight / cell)));
}

// The average width of the letters weighted by how often they occur in English text, the
// classic measure of a face's average character, which a requested width refers to. It is
// computed from the advances, so faces with the same advances give the same value whatever
// their tables say.
double averageCharWidth(const QFont& font) {
  struct Weight {
    char letter;
    int perMille;
  };
  static constexpr std::array<Weight, 27> kWeights = {{
      {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20},  {'g', 14},
      {'h', 42}, {'i', 63}, {'j', 3},  {'k', 6},  {'l', 35},  {'m', 20},  {'n', 56},
      {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49}, {'s', 56},  {'t', 71},  {'u', 31},
      {'v', 10}, {'w', 18}, {'x', 3},  {'y', 18}, {'z', 2},   {' ', 166},
  }};
  const QFontMetricsF metrics(font);
  double sum = 0;
  for (const Weight& w : kWeights) {
    sum += metrics.horizontalAdvance(QChar::fromLatin1(w.letter)) * w.perMille;
  }
  return sum / 1000.0;
}

QFont qtFont(const FontSpec& spec) {
  QFont font(qtString(spec.face));
  // Plain pixels: the same text always gives the same pixels.
  font.setStyleStrategy(QFont::NoAntialias);
  font.setItalic(spec.italic);
  font.setWeight(static_cast<QFont::Weight>(spec.weight <= 0 ? 400 : std::min(spec.weight, 1000)));
  if (spec.height < 0) {
    font.setPixelSize(-spec.height);
  } else {
    font.setPixelSize(pixelSizeForCell(font, spec.height == 0 ? kDefaultCellHeight : spec.height));
  }
  if (spec.width > 0) {
    // Qt widens or narrows a face by a stretch factor, not to an average width.
    const double natural = averageCharWidth(font);
    if (natural > 0) {
      const long stretch = std::lround(100.0 * spec.width / natural);
      font.setStretch(static_cast<int>(std::clamp(stretch, 1L, 4000L)));
    }
  }
  return font;
}

}  // namespace

std::string resolvedFontFamily(const FontSpec& font) {
  ensureApplication();
  return QFontInfo(qtFont(font)).family().toStdString();
}

// ---- Canvas

struct Canvas::State {
  QPainter painter;
  PenSpec pen;
  QPen qtPen;  // the pen as Qt has it, put back after each text
  BrushSpec brush;
  FontSpec font;
  QFont qtFont;  // the font as Qt has it
  std::optional<QFontMetrics> metrics;
  unsigned int textColour = 0;
  unsigned int background = 0xFFFFFF;
  bool opaque = true;
  bool centred = false;

  // Laid-out texts of the current font with their advance widths: painting writes the
  // same few digits many times, and laying a text out costs more than drawing it.
  struct LaidOut {
    QString text;
    QStaticText staticText;
    int width = 0;
  };
  std::vector<LaidOut> laidOutTexts;

  const LaidOut& laidOut(const QString& string) {
    constexpr std::size_t kKept = 32;
    for (const LaidOut& entry : laidOutTexts) {
      if (entry.text == string) return entry;
    }
    if (laidOutTexts.size() >= kKept) laidOutTexts.clear();
    QStaticText staticText(string);
    staticText.setTextFormat(Qt::PlainText);
    staticText.prepare(QTransform(), qtFont);
    laidOutTexts.push_back({string, staticText, metrics->horizontalAdvance(string)});
    return laidOutTexts.back();
  }
};

Canvas::Canvas(Layer& layer)
    : state_(std::make_unique<State>()), self_(std::make_shared<Canvas*>(this)) {
  ensureApplication();
  QPainter& painter = state_->painter;
  state_->qtFont = qtFont(state_->font);
  state_->metrics.emplace(state_->qtFont);
  state_->qtPen = qtPen(state_->pen);
  QImage& image = layer.image().image;
  // An empty layer has nothing to draw on: every drawing call then does nothing.
  if (image.isNull() || !painter.begin(&image)) return;
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setPen(state_->qtPen);
  painter.setBrush(qtBrush(state_->brush));
  painter.setFont(state_->qtFont);
}

Canvas::~Canvas() = default;

void Canvas::setPen(const PenSpec& pen) {
  if (pen == state_->pen) return;
  state_->pen = pen;
  state_->qtPen = qtPen(pen);
  if (state_->painter.isActive()) state_->painter.setPen(state_->qtPen);
}

void Canvas::setBrush(const BrushSpec& brush) {
  if (brush == state_->brush) return;
  state_->brush = brush;
  if (state_->painter.isActive()) state_->painter.setBrush(qtBrush(brush));
}

void Canvas::setFont(const FontSpec& font) {
  if (font == state_->font) return;  // fonts are dear to make; painting sets the same often
  state_->font = font;
  state_->qtFont = qtFont(font);
  if (state_->painter.isActive()) state_->painter.setFont(state_->qtFont);
  state_->metrics.emplace(state_->qtFont);
  state_->laidOutTexts.clear();
}

const PenSpec& Canvas::pen() const {
  return state_->pen;
}
const BrushSpec& Canvas::brush() const {
  return state_->brush;
}
const FontSpec& Canvas::font() const {
  return state_->font;
}

void Canvas::setTextColour(unsigned int colour) {
  state_->textColour = colour;
}

void Canvas::setTextBackground(unsigned int colour, bool opaque) {
  state_->background = colour;
  state_->opaque = opaque;
}

void Canvas::setTextCentred(bool centred) {
  state_->centred = centred;
}

void Canvas::line(int x1, int y1, int x2, int y2) {
  if (state_->painter.isActive()) state_->painter.drawLine(x1, y1, x2, y2);
}

void Canvas::polygon(std::span<const DevicePoint> points) {
  if (!state_->painter.isActive()) return;
  QPolygon polygon(static_cast<int>(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) {
    polygon.setPoint(static_cast<int>(i), points[i].x, points[i].y);
  }
  state_->painter.drawPolygon(polygon);
}

// Boxes leave out their right column and bottom row, so a box of width w covers w pixels.
void Canvas::ellipse(int left, int top, int right, int bottom) {
  // The outline runs through the centres of the outermost pixels; a whole-number box lets
  // the rounding of a flat curve stray one pixel outside it.
  if (!state_->painter.isActive()) return;
  state_->painter.drawEllipse(QRectF(left + 0.5, top + 0.5, right - left - 1, bottom - top - 1));
}

void Canvas::rectangle(int left, int top, int right, int bottom) {
  if (state_->painter.isActive())
    state_->painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void Canvas::fillRectangle(int left, int top, int right, int bottom, unsigned int colour) {
  if (!state_->painter.isActive()) return;
  state_->painter.fillRect(QRect(left, top, right - left, bottom - top), qtColour(colour));
}

void Canvas::textOut(int x, int y, std::string_view text) {
  State& s = *state_;
  if (!s.painter.isActive()) return;
  const State::LaidOut& laidOut = s.laidOut(qtString(text));
  const int height = s.metrics->ascent() + s.metrics->descent();
  const int left = s.centred ? -laidOut.width / 2 : 0;
  const bool turned = s.font.escapement != 0;
  QPoint at(x + left, y);
  if (turned) {
    s.painter.save();
    s.painter.translate(x, y);
    // Escapement turns counter-clockwise on screen, where y grows downward.
    s.painter.rotate(-s.font.escapement / 10.0);
    at = QPoint(left, 0);
  }
  if (s.opaque) s.painter.fillRect(QRect(at, QSize(laidOut.width, height)), qtColour(s.background));
  s.painter.setPen(qtColour(s.textColour));
  s.painter.drawStaticText(at, laidOut.staticText);
  if (turned) {
    s.painter.restore();
  } else {
    s.painter.setPen(s.qtPen);
  }
}

TextSize Canvas::textSize(std::string_view text) {
  return {state_->laidOut(qtString(text)).width,
          state_->metrics->ascent() + state_->metrics->descent()};
}

void Canvas::blit(int x, int y, const Layer& source, int srcX, int srcY, int width, int height) {
  QPainter& painter = state_->painter;
  if (!painter.isActive() || width <= 0 || height <= 0) return;
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QPoint(x, y), source.image().image, QRect(srcX, srcY, width, height));
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

bool Canvas::stretchBlit(const Bitmap& source, int x, int y, int width, int height, int srcX,
                         int srcY, int srcWidth, int srcHeight) {
  QPainter& painter = state_->painter;
  const QImage& image = source.image().image;
  const QRect from = QRect(srcX, srcY, srcWidth, srcHeight).intersected(image.rect());
  if (!painter.isActive() || width <= 0 || height <= 0 || from.isEmpty()) return false;
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(QRect(x, y, width, height), image, QRect(srcX, srcY, srcWidth, srcHeight));
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  return true;
}

// ---- CanvasLink

CanvasLink::CanvasLink(Canvas* canvas) {
  if (canvas != nullptr) canvas_ = canvas->self_;
}

Canvas* CanvasLink::get() const {
  const std::shared_ptr<Canvas*> canvas = canvas_.lock();
  return canvas ? *canvas : nullptr;
}

// ---- Layer

Layer::Layer(int width, int height, unsigned int fill) : image_(std::make_unique<Image>()) {
  if (width < 1 || height < 1) return;
  image_->image = QImage(width, height, QImage::Format_RGB32);
  image_->image.fill(qtColour(fill));
}

Layer::~Layer() = default;
// A layer moved from keeps an empty image, so a canvas made on it draws nothing.
Layer::Layer(Layer&& other) noexcept
    : image_(std::exchange(other.image_, std::make_unique<Image>())) {}

Layer& Layer::operator=(Layer&& other) noexcept {
  image_ = std::exchange(other.image_, std::make_unique<Image>());
  return *this;
}

int Layer::width() const {
  return image_ ? image_->image.width() : 0;
}

int Layer::height() const {
  return image_ ? image_->image.height() : 0;
}

unsigned int Layer::pixel(int x, int y) const {
  if (!image_ || !image_->image.valid(x, y)) return 0;
  return colourOf(image_->image.pixel(x, y));
}

bool Layer::savePng(std::string_view path) const {
  if (!image_ || image_->image.isNull()) return false;
  const QString name =
      QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
  return image_->image.save(name, "PNG");
}

bool Layer::saveBmp(std::string_view path) const {
  if (!image_ || image_->image.isNull()) return false;
  // Without dithering: a picture of flat colours keeps each of them exactly.
  QImage indexed = image_->image.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
  if (indexed.isNull()) return false;
  // Qt writes as many table entries as the image uses; the file format asks for all 256.
  indexed.setColorCount(256);
  QSaveFile file(QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size()))));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!indexed.save(&file, "BMP")) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

// ---- Bitmap

Bitmap::Bitmap() : image_(std::make_unique<Image>()) {}
Bitmap::~Bitmap() = default;

std::unique_ptr<Bitmap> Bitmap::load(int id) {
  QImage image(QStringLiteral(":/bitmaps/%1.bmp").arg(id));
  if (image.isNull()) return nullptr;
  std::unique_ptr<Bitmap> bitmap(new Bitmap());
  // Converted once, so every later copy reads plain 32-bit pixels.
  bitmap->image_->image = image.convertToFormat(QImage::Format_RGB32);
  return bitmap;
}

int Bitmap::width() const {
  return image_->image.width();
}

int Bitmap::height() const {
  return image_->image.height();
}

}  // namespace qiro
