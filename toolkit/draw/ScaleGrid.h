// Nine-slice drawing: where each piece of a picture goes when its corners stay sharp
// while its edges and centre stretch. Pure arithmetic; the drawing is elsewhere.
#pragma once

#include <vector>

struct GridRect {
  int left, top, right, bottom;
};

struct GridPiece {
  int sourceX, sourceY, sourceWidth, sourceHeight;
  int destX, destY, destWidth, destHeight;
  bool stretch;  // corners are copied, edges and centre stretched
};

// The pieces in drawing order: centre, then the border clockwise from the top-left
// corner. `insets` are the widths of the fixed border (left, top, right, bottom).
std::vector<GridPiece> scaleGridPieces(const GridRect& dest, const GridRect& insets, int imageWidth,
                                       int imageHeight);
