// Drawing pictures: whole and stretched, at natural size, one band of a vertical
// strip, or as a scale grid. Pictures with transparency go through AlphaBlend with
// per-pixel alpha; opaque ones through BitBlt and StretchBlt. A null image, or one
// that failed to decode, draws nothing. UI thread only: the copies go through one
// shared memory device context.
#pragma once

#include <windows.h>

#include "toolkit/draw/Image.h"
#include "toolkit/draw/ScaleGrid.h"

namespace imageDraw {

void drawWhole(HDC dc, const Image* image, int left, int top, int right, int bottom);
void drawNatural(HDC dc, const Image* image, int x, int y);
void drawStrip(HDC dc, const Image* image, int x, int y, int width, int height, int sourceY,
               int sourceHeight);
void drawScaleGrid(HDC dc, const Image* image, const GridRect& dest, const GridRect& insets);

}  // namespace imageDraw
