// stb_image, compiled once, as the program's picture decoder.
#include "toolkit/draw/StbImage.h"

#include <climits>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#include <stb_image.h>

namespace stbImage {

uint8_t* decodeRgba(const uint8_t* bytes, size_t length, int* width, int* height) {
  if (!bytes || length == 0 || length > size_t(INT_MAX)) return nullptr;
  int channels = 0;
  return stbi_load_from_memory(bytes, int(length), width, height, &channels, 4);
}

void release(uint8_t* pixels) { stbi_image_free(pixels); }

}  // namespace stbImage
