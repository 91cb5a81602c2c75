// Small PNG pictures made by the tests, with stb_image_write compiled once here.
#include "PngWriter.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

std::vector<uint8_t> pngOf(int width, int height, const std::vector<uint32_t>& rgba) {
  std::vector<uint8_t> pixels;
  for (uint32_t p : rgba) {  // 0xRRGGBBAA
    pixels.push_back(uint8_t(p >> 24));
    pixels.push_back(uint8_t(p >> 16));
    pixels.push_back(uint8_t(p >> 8));
    pixels.push_back(uint8_t(p));
  }
  std::vector<uint8_t> out;
  stbi_write_png_to_func(
      [](void* context, void* data, int size) {
        auto* bytes = static_cast<std::vector<uint8_t>*>(context);
        bytes->insert(bytes->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
      },
      &out, width, height, 4, pixels.data(), width * 4);
  return out;
}
