// The two-pass layout protocol shared by all controls: measure asks a control how
// big it wants to be within the space offered, arrange gives it its slot. Margins,
// fixed "width" and "height", and the two alignments are applied here; what a
// control does with its content is its measureOverride and arrangeOverride.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

#include "toolkit/core/Geometry.h"

namespace toolkit {

class Control;

// The space a panel offers along an axis it does not limit.
constexpr int32_t kUnlimited = 0x10000;

// Layout sums are formed in 64 bits and brought back into range here, so that
// extreme attribute values from markup cannot overflow.
constexpr int32_t clamp32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// The desired size (margins included), also stored in the control; 0 by 0 for a
// control that is not attached.
Size measure(Control& control, int32_t availableWidth, int32_t availableHeight);

// Places the control in the slot (parent coordinates) and sets its rectangle.
void arrange(Control& control, const Rect& slot);

}  // namespace toolkit
