// Decoding pictures into premultiplied sections.
#include "toolkit/draw/Image.h"

#include "toolkit/draw/DibSection.h"
#include "toolkit/draw/Premultiply.h"
#include "toolkit/draw/StbImage.h"

Image::~Image() {
  if (bitmap) DeleteObject(bitmap);
  if (keptPixels) stbImage::release(keptPixels);
}

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
  image->bitmap = createTopDownSection(width, height, &pixels);
  if (image->bitmap) {
    image->width = width;
    image->height = height;
    image->hasAlpha = premultiply(rgba, size_t(width) * size_t(height), pixels);
  }
  if (image->marked && image->bitmap) image->keptPixels = rgba;
  else stbImage::release(rgba);
  return image;
}
