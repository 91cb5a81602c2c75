// The painter over a GDI device context: the window paints its tree through one.
#pragma once

#include <windows.h>

#include "toolkit/core/Painter.h"

namespace toolkit {

class GdiPainter : public Painter {
 public:
  explicit GdiPainter(HDC dc) : dc_(dc) {}
  void save() override { SaveDC(dc_); }
  void restore() override { RestoreDC(dc_, -1); }
  void clipTo(const Rect& clip) override;
  void* nativeContext() override { return dc_; }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace toolkit
