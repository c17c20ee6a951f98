// The nine rules and information pages: the texts of each page, drawn over its picture.
#pragma once

#include <vector>

#include "content/messages.h"
#include "text/text.h"
#include "toolkit/drawing_context.h"

namespace qiro {

constexpr int kRulesPageCount = 9;
// The size of a page on screen, in pixels at 100 dots per inch.
constexpr int kRulesPageWidth = 800;
constexpr int kRulesPageHeight = 600;
// The page under its picture, and the band of the pictures that the upper texts stand on.
constexpr Colour kRulesPageCyan = 0xFFFF00;

// Which face a line takes: the one the previous drawing left, or one of the two faces of
// the pages.
enum class PageFace { kInherited, kTitle, kBody };

// One element of a page, in millimetres from the page centre, y up. A registered mark
// takes only its place and size.
struct PageLine {
  bool registeredMark = false;
  float x = 0;
  float y = 0;
  float size = 0;
  bool italic = false;
  int weight = 0;  // 0 is the normal weight
  bool centred = false;
  PageFace face = PageFace::kInherited;
  Text text;
};

// The elements of page n in drawing order, in the language given; none outside 1 to 9.
std::vector<PageLine> pageLayout(int n, Language language);

// What one page leaves to the next: the face and the colour of its lines.
struct PageTextState {
  Text face;  // empty: the system's default face
  Colour lineColour = 0;
};
PageTextState& pageTextState();

// One line in the shared face and line colour: height size mm, width a third of it,
// escapement angle x 10, at the font's offset.
void drawPageLine(DrawingContext& page, float x, float y, int angle, float size, bool italic,
                  int weight, bool centred, TextView text);
// The texts of page n over whatever the page holds; nothing outside 1 to 9.
void drawPageText(DrawingContext& page, int n, Language language);

// Page n as the rules screen shows it, on a context at 100 dots per inch whose origin is the
// page centre and whose device's pixel (0, 0) is the page's top left corner: a cyan fill,
// the picture stretched over 800 x 600, the texts, then the page number in the top right
// corner.
void drawRulesPage(DrawingContext& page, int n, Language language);

}  // namespace qiro
