// A panel that places each child at the point its "x" and "y" attributes give, at
// the child's desired size. Negative coordinates count from the right and bottom
// edges, so a child can be pinned to a corner other than the top-left one. The
// canvas itself asks for no space: it is sized by its own "width" and "height" or
// by stretching in its parent.
#pragma once

#include "toolkit/core/Panel.h"

namespace toolkit {

class Canvas : public Panel {
 public:
  Size measureOverride(int32_t availableWidth, int32_t availableHeight) override;
  Size arrangeOverride(int32_t width, int32_t height) override;
};

}  // namespace toolkit
