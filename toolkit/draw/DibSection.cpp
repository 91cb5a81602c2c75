// Creating 32-bit top-down sections.
#include "toolkit/draw/DibSection.h"

#include <climits>
#include <cstddef>

HBITMAP createTopDownSection(int width, int height, uint32_t** pixels) {
  *pixels = nullptr;
  if (width <= 0 || height <= 0 || size_t(width) > size_t(INT_MAX) / 4 / size_t(height)) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = DWORD(width) * DWORD(height) * 4;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!section || !bits) {
    if (section) DeleteObject(section);
    return nullptr;
  }
  *pixels = static_cast<uint32_t*>(bits);
  return section;
}
