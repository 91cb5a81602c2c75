// Clipping through a temporary rectangular region, which the device context copies.
#include "toolkit/core/GdiPainter.h"

namespace toolkit {

void GdiPainter::clipTo(const Rect& clip) {
  HRGN region = CreateRectRgn(clip.left, clip.top, clip.right, clip.bottom);
  if (!region) return;
  SelectClipRgn(dc_, region);
  DeleteObject(region);
}

}  // namespace toolkit
