// What painting needs of a device context, so that the paint order and clipping of
// the control tree do not depend on GDI: saving and restoring the drawing state and
// narrowing the clip. The window wraps its device context in a GdiPainter; styles
// reach the device context through nativeContext().
#pragma once

#include "toolkit/core/Geometry.h"

namespace toolkit {

class Painter {
 public:
  virtual void save() = 0;
  virtual void restore() = 0;
  // Replaces the clip region by this rectangle (device coordinates).
  virtual void clipTo(const Rect& clip) = 0;
  // The device context behind the painter (an HDC on Windows), or null.
  virtual void* nativeContext() = 0;

 protected:
  ~Painter() = default;
};

}  // namespace toolkit
