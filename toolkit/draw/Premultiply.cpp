// Premultiplication of RGBA pixels.
#include "toolkit/draw/Premultiply.h"

bool premultiply(const uint8_t* rgba, size_t count, uint32_t* out) {
  bool hasAlpha = false;
  for (size_t i = 0; i < count; ++i, rgba += 4) {
    uint32_t r = rgba[0], g = rgba[1], b = rgba[2], a = rgba[3];
    if (a != 255) {
      hasAlpha = true;
      r = r * a / 255;
      g = g * a / 255;
      b = b * a / 255;
    }
    out[i] = a << 24 | r << 16 | g << 8 | b;
  }
  return hasAlpha;
}
