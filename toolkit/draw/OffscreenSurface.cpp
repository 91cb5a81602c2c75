// Creating and releasing the off-screen surface.
#include "toolkit/draw/OffscreenSurface.h"

bool OffscreenSurface::resize(int width, int height) {
  if (dc_ && width == width_ && height == height_) return true;
  release();
  dc_ = CreateCompatibleDC(nullptr);
  if (!dc_) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  section_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  width_ = width;
  height_ = height;
  SetBkMode(dc_, TRANSPARENT);
  if (!section_) return false;  // the context stays, without a bitmap
  pixels_ = static_cast<uint32_t*>(bits);
  previous_ = SelectObject(dc_, section_);
  return true;
}

void OffscreenSurface::release() {
  if (!dc_) return;
  if (section_) {
    SelectObject(dc_, previous_);
    DeleteObject(section_);
  }
  DeleteDC(dc_);
  dc_ = nullptr;
  section_ = nullptr;
  previous_ = nullptr;
  pixels_ = nullptr;
  width_ = height_ = 0;
}
