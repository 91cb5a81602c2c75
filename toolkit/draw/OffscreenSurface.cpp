// Creating and releasing the off-screen surface.
#include "toolkit/draw/OffscreenSurface.h"

#include "toolkit/draw/DibSection.h"

bool OffscreenSurface::resize(int width, int height) {
  if (dc_ && width == width_ && height == height_) return true;
  release();
  dc_ = CreateCompatibleDC(nullptr);
  if (!dc_) return false;
  section_ = createTopDownSection(width, height, &pixels_);
  width_ = width;
  height_ = height;
  SetBkMode(dc_, TRANSPARENT);
  if (!section_) return false;  // the context stays, without a bitmap
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
