// One decoded picture of the style pack: a 32-bit top-down section of premultiplied
// pixels, ready for AlphaBlend (or for plain blits when it has no transparency).
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>

struct Image {
  Image() = default;
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  ~Image();

  HBITMAP bitmap = nullptr;       // null when decoding failed: draws nothing
  int width = 0;
  int height = 0;
  uint8_t* keptPixels = nullptr;  // the decoder's RGBA rows, kept for marked files only
  bool hasAlpha = false;
  bool marked = false;            // the file began with the marker byte 1
};

// Decodes a picture file (JPEG, PNG, BMP, GIF, PSD, PIC, HDR or TGA, optionally
// preceded by the marker byte). Always returns an image; on failure its bitmap is null.
std::unique_ptr<Image> decodeImage(const uint8_t* bytes, size_t length);
