// The picture decoder (stb_image), behind two calls so that only one file of the
// program compiles its implementation.
#pragma once

#include <cstddef>
#include <cstdint>

namespace stbImage {

// 8-bit RGBA pixels of a picture in memory, or null when it cannot be decoded.
uint8_t* decodeRgba(const uint8_t* bytes, size_t length, int* width, int* height);
void release(uint8_t* pixels);

}  // namespace stbImage
