// Walks up the parents, summing offsets; the root's own offset is not added.
#include "toolkit/core/Coordinates.h"

#include "toolkit/core/Control.h"
#include "toolkit/core/LiveControls.h"
#include "toolkit/core/Panel.h"
#include "toolkit/core/WindowHost.h"

namespace toolkit {

bool windowRect(const Control& control, Rect* out) {
  if (!liveControls::contains(&control)) return false;
  Rect r = control.rect();
  for (const Control* a = control.parent(); a && a->parent(); a = a->parent())
    r = r.offset(a->rect().left, a->rect().top);
  *out = r;
  return true;
}

bool cursorPos(const Control& control, Point* out) {
  Rect r;
  if (!windowRect(control, &r) || !control.window()) return false;
  Point p = control.window()->cursorPos();
  *out = {p.x - r.left, p.y - r.top};
  return true;
}

void invalidate(const Control& control, bool synchronous) {
  Rect r;
  WindowHost* window = control.window();
  if (!window || !windowRect(control, &r)) return;
  Rect dirty = r.intersect(window->clientRect());
  if (dirty.isEmpty()) return;
  window->addDirty(dirty);
  window->requestRepaint(synchronous);
}

}  // namespace toolkit
