// What the control tree needs of the window that shows it. The native window class
// implements it; the tree only sees this interface, which keeps the tree portable
// and lets tests attach trees to a double.
#pragma once

#include <cstdint>

#include "toolkit/core/Geometry.h"

namespace toolkit {

class Control;

class WindowHost {
 public:
  // The id table: maps an "id" attribute to its control, replacing an earlier one.
  virtual void mapId(int32_t id, Control* control) = 0;
  // The control (or an ancestor of capture, focus, saved focus or hover) leaves the
  // tree: release capture, clear focus, cut the hover chain.
  virtual void forget(Control* control) = 0;
  virtual Rect clientRect() const = 0;
  // The mouse position in client coordinates.
  virtual Point cursorPos() const = 0;
  // Adds a rectangle (client coordinates) to the dirty area.
  virtual void addDirty(const Rect& rect) = 0;
  // Sends (synchronous) or posts the window's repaint request, WM_USER+1.
  virtual void requestRepaint(bool synchronous) = 0;

 protected:
  ~WindowHost() = default;
};

}  // namespace toolkit
