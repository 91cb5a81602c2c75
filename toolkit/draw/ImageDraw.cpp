// Moving picture pixels to a device context.
#include "toolkit/draw/ImageDraw.h"

#include "toolkit/core/Toolkit.h"

namespace imageDraw {
namespace {

// The one memory device context that every draw selects its picture into.
HDC sharedContext() {
  static HDC context = CreateCompatibleDC(nullptr);
  return context;
}

// One transfer of a source rectangle to a destination rectangle.
void transfer(HDC dc, const Image& image, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
              bool stretch) {
  HDC source = sharedContext();
  HGDIOBJ previous = SelectObject(source, image.bitmap);
  if (image.hasAlpha) {
    // AlphaBlend of the system's msimg32, loaded by the toolkit at its start.
    if (toolkit::AlphaBlendFn blend = toolkit::alphaBlend())
      blend(dc, dx, dy, dw, dh, source, sx, sy, sw, sh, BLENDFUNCTION{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
  } else if (stretch) {
    StretchBlt(dc, dx, dy, dw, dh, source, sx, sy, sw, sh, SRCCOPY);
  } else {
    BitBlt(dc, dx, dy, dw, dh, source, sx, sy, SRCCOPY);
  }
  SelectObject(source, previous);
}

bool drawable(const Image* image) { return image && image->bitmap; }

}  // namespace

void drawWhole(HDC dc, const Image* image, int left, int top, int right, int bottom) {
  if (!drawable(image)) return;
  transfer(dc, *image, left, top, right - left, bottom - top, 0, 0, image->width, image->height, true);
}

void drawNatural(HDC dc, const Image* image, int x, int y) {
  if (!drawable(image)) return;
  transfer(dc, *image, x, y, image->width, image->height, 0, 0, image->width, image->height, false);
}

void drawStrip(HDC dc, const Image* image, int x, int y, int width, int height, int sourceY,
               int sourceHeight) {
  if (!drawable(image)) return;
  transfer(dc, *image, x, y, width, height, 0, sourceY, image->width, sourceHeight, true);
}

void drawScaleGrid(HDC dc, const Image* image, const GridRect& dest, const GridRect& insets) {
  if (!drawable(image)) return;
  for (const GridPiece& p : scaleGridPieces(dest, insets, image->width, image->height))
    transfer(dc, *image, p.destX, p.destY, p.destWidth, p.destHeight, p.sourceX, p.sourceY, p.sourceWidth,
             p.sourceHeight, p.stretch);
}

}  // namespace imageDraw
