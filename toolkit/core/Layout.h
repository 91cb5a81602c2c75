// The two-pass layout protocol shared by all controls: measure asks a control how
// big it wants to be within the space offered, arrange gives it its slot. Margins,
// fixed "width" and "height", and the two alignments are applied here; what a
// control does with its content is its measureOverride and arrangeOverride.
#pragma once

#include <cstdint>

#include "toolkit/core/Geometry.h"

namespace toolkit {

class Control;

// The desired size (margins included), also stored in the control; 0 by 0 for a
// control that is not attached.
Size measure(Control& control, int32_t availableWidth, int32_t availableHeight);

// Places the control in the slot (parent coordinates) and sets its rectangle.
void arrange(Control& control, const Rect& slot);

}  // namespace toolkit
