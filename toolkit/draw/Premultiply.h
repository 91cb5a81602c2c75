// Turning decoded RGBA pixels into the premultiplied 32-bit pixels (0xAARRGGBB) that
// AlphaBlend wants, so that blending needs no work at draw time.
#pragma once

#include <cstddef>
#include <cstdint>

// Writes `count` pixels to `out`; true when any pixel is not fully opaque.
bool premultiply(const uint8_t* rgba, size_t count, uint32_t* out);
