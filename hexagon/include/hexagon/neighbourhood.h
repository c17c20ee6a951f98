// Neighbourhoods of hexagons and corners, and the lists derived from a grid's cells.
#pragma once

#include "text/text.h"
#include "text/text_list.h"

namespace qiro {

// All results are canonical expanded labels.
TextList cornersOf(TextView hexagon);
TextList neighboursOf(TextView hexagon);
TextList hexagonsAroundCorner(TextView corner);
TextList cornersNextTo(TextView corner);
// How many of the hexagon's six corners are in cells (kept in plain order).
int countCornersIn(TextView hexagon, const TextList& cells);
// The other cells on the three hexagons round corner, sorted: at most twelve.
TextList peersOf(TextView corner, const TextList& cells);
// The sum of the label's path steps in the directions named by letters.
int stepsIn(TextView label, TextView letters);

// The lists derived from a grid. Lists named cells and hexagons are in plain order.

// Every corner of every hexagon joins cells, which is left sorted without duplicates.
void addCornersOf(const TextList& hexagons, TextList& cells);
// Every hexagon with a corner among the cells, sorted without duplicates.
TextList touchingHexagons(const TextList& cells);
// Among the touching hexagons, those with six corners among the cells join full (which
// may already hold some); those with three to five replace the content of partial.
void classifyHexagons(const TextList& cells, const TextList& touching, TextList& full,
                      TextList& partial);
// One line per cell: its label, "," and two blanks, then each peer followed by ",".
TextList peerLines(const TextList& cells);
// The same from the touching hexagons of those cells, when they are known already.
TextList peerLines(const TextList& cells, const TextList& touching);
// The inner lines of the full hexagons (links1) and their outer border (links2), as
// chains: a hexagon label, ":" and one letter per step of the line. Both lists are
// replaced.
void edgeLines(const TextList& full, TextList& links1, TextList& links2);
// Corners next to the full hexagons that are not cells: those connected to the outside
// (boundary) and those the grid encloses (holes). Both lists are replaced.
void holeAndBoundary(const TextList& full, const TextList& cells, TextList& holes,
                     TextList& boundary);

}  // namespace qiro
