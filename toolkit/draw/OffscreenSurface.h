// The off-screen surface a window paints into before one copy to the screen: a
// memory device context holding a 32-bit top-down section of the window's size.
#pragma once

#include <windows.h>

#include <cstdint>

class OffscreenSurface {
 public:
  OffscreenSurface() = default;
  OffscreenSurface(const OffscreenSurface&) = delete;
  OffscreenSurface& operator=(const OffscreenSurface&) = delete;
  ~OffscreenSurface() { release(); }

  // Makes the surface width × height; keeps it (and its pixels) when the size is
  // unchanged. False when the context or section cannot be made.
  bool resize(int width, int height);
  void release();

  HDC dc() const { return dc_; }
  uint32_t* pixels() const { return pixels_; }  // rows top to bottom, 0xAARRGGBB
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP section_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  uint32_t* pixels_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};
