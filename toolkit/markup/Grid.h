// The panel of the elements "Grid" and "Window": one cell that every child fills,
// later children on top of earlier ones. With the default "stretch" alignment the
// children take the whole panel; their own alignments and margins place them
// within it otherwise. The markup's "rows" and "columns" are not read.
#pragma once

#include "toolkit/core/Panel.h"

namespace toolkit {

class Grid : public Panel {
 public:
  Size measureOverride(int32_t availableWidth, int32_t availableHeight) override;
  Size arrangeOverride(int32_t width, int32_t height) override;
};

}  // namespace toolkit
