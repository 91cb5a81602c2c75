// Converting between a control's own coordinates and its window's client area, and
// asking the window to repaint a control. A root lies at the client origin; every
// other control's rectangle is relative to its parent's top-left corner.
#pragma once

#include "toolkit/core/Geometry.h"

namespace toolkit {

class Control;

// The control's rectangle in client coordinates; false for a control that is not
// attached to a window.
bool windowRect(const Control& control, Rect* out);

// The mouse position relative to the control's top-left corner; false when the
// control is not attached.
bool cursorPos(const Control& control, Point* out);

// Marks the visible part of the control dirty and sends (synchronous) or posts the
// window's repaint request. Nothing for a control outside its window.
void invalidate(const Control& control, bool synchronous);

}  // namespace toolkit
