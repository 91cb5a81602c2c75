// Decoding pictures into premultiplied sections.
#include "toolkit/draw/Image.h"

#include <climits>
#include <cstring>

#include "toolkit/draw/Premultiply.h"
#include "toolkit/draw/StbImage.h"

Image::~Image() {
  if (bitmap) DeleteObject(bitmap);
  if (keptPixels) stbImage::release(keptPixels);
}

namespace {

// A 32-bit top-down section; null when the size is not representable or the
// system refuses it.
HBITMAP createSection(int width, int height, uint32_t** pixels) {
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
  *pixels = static_cast<uint32_t*>(bits);
  return bits ? section : nullptr;
}

}  // namespace

std::unique_ptr<Image> decodeImage(const uint8_t* bytes, size_t length) {
  auto image = std::make_unique<Image>();
  if (length > 0 && bytes[0] == 1) {
    image->marked = true;
    ++bytes;
    --length;
  }
  int width = 0, height = 0;
  uint8_t* rgba = stbImage::decodeRgba(bytes, length, &width, &height);
  if (!rgba) return image;
  uint32_t* pixels = nullptr;
  image->bitmap = createSection(width, height, &pixels);
  if (image->bitmap) {
    image->width = width;
    image->height = height;
    image->hasAlpha = premultiply(rgba, size_t(width) * size_t(height), pixels);
  }
  if (image->marked && image->bitmap) image->keptPixels = rgba;
  else stbImage::release(rgba);
  return image;
}
