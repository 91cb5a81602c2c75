// Moving picture pixels to a device context.
#include "toolkit/draw/ImageDraw.h"

#include <string>

namespace imageDraw {
namespace {

using AlphaBlendFunction = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

// AlphaBlend lives in msimg32.dll. It is loaded from the system folder by full path:
// an installer runs elevated from a downloads folder, where a planted DLL of that
// name would otherwise be found first.
AlphaBlendFunction alphaBlend() {
  static AlphaBlendFunction function = [] {
    wchar_t folder[MAX_PATH];
    UINT n = GetSystemDirectoryW(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return AlphaBlendFunction(nullptr);
    HMODULE library = LoadLibraryW((std::wstring(folder, n) + L"\\msimg32.dll").c_str());
    FARPROC found = library ? GetProcAddress(library, "AlphaBlend") : nullptr;
    return reinterpret_cast<AlphaBlendFunction>(reinterpret_cast<void*>(found));
  }();
  return function;
}

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
    if (AlphaBlendFunction blend = alphaBlend())
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
