// A panel that docks its children against its edges in child order: each child's
// "dock" word ("left" when absent, "top", "right" or "bottom") takes a band of its
// desired size from what earlier children left free, and the last child fills
// whatever remains, whatever its own word. A word outside those four is placed as
// "bottom" but does not add to the panel's desired size.
#pragma once

#include "toolkit/core/Panel.h"

namespace toolkit {

class DockPanel : public Panel {
 public:
  Size measureOverride(int32_t availableWidth, int32_t availableHeight) override;
  Size arrangeOverride(int32_t width, int32_t height) override;
};

}  // namespace toolkit
