// Labels of hexagons, corners and sides: canonical forms, rotation, the direction walker
// and the fixed suffix tables.
#pragma once

#include <vector>

#include "hexagon/hex_path.h"
#include "text/text.h"

namespace qiro {

// The canonical label: a leading "X" is kept aside, a label with ":" gets the corner
// handling, the path is written in compact form for form 'C' and in expanded form for
// any other form (by convention 'D').
Text canonicalLabel(TextView label, char form = 'D');
// A corner as its hexagon's path followed by ":AB" or ":AF".
Text canonicalCorner(TextView label, char form = 'D');
// A side as its hexagon's path followed by ":A", ":B" or ":C".
Text canonicalSide(TextView label);
// Every letter A to F (either case) becomes the next one in upper case, F becomes A:
// the label turned by 60 degrees counter-clockwise round the origin.
Text rotateLabel(TextView label);

// Horizontal and vertical step counts of a walk over an expanded label.
struct Walk {
  int x = 0;
  int y = 0;
};
Walk walkRowColumn(TextView label);

// The part of a label before its ":" (the whole label when it has none).
TextView pathPart(TextView label);
// The part from its ":" on ("" when it has none).
TextView suffixPart(TextView label);

// Suffixes appended to a hexagon's path, built once, canonical and expanded.
struct SuffixTables {
  std::vector<Text> corners;     // the six corners, counter-clockwise from AB
  std::vector<Text> secondRing;  // the eighteen corners next to the corners
  std::vector<Text> sides;       // the six sides (lines to the neighbours)
  std::vector<Text> spokes;      // the six lines joining consecutive neighbours
  std::vector<Text> aroundAB;    // hexagons round a ":AB" corner: own, A, B
  std::vector<Text> aroundAF;    // hexagons round a ":AF" corner: own, A, F
  std::vector<Text> nextToAB;    // corners one side away from a ":AB" corner
  std::vector<Text> nextToAF;    // corners one side away from a ":AF" corner
};
const SuffixTables& suffixTables();

// A canonical label moved by a walk: the hexagon reached from base by the steps of
// offset, followed by the suffix of offset (a canonical table entry such as "C:AF"),
// expanded. Translation keeps a label canonical, so no corner handling is needed.
class Translation {
 public:
  explicit Translation(TextView offset);
  Text from(const HexPath& base) const;

 private:
  HexPath steps_;
  Text suffix_;
};
// Translations of every entry of a table, in order.
std::vector<Translation> translations(const std::vector<Text>& table);

}  // namespace qiro
