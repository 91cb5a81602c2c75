// A panel that puts its children one after the other: top to bottom, or left to
// right when its "orientation" is the word "horizontal". Each child gets its
// desired length along the stacking axis and the panel's full extent across it; a
// child that does not fit still gets its full slot past the edge, and painting
// clips it.
#pragma once

#include "toolkit/core/Panel.h"

namespace toolkit {

class StackPanel : public Panel {
 public:
  Size measureOverride(int32_t availableWidth, int32_t availableHeight) override;
  Size arrangeOverride(int32_t width, int32_t height) override;

 private:
  bool horizontal() const;
};

}  // namespace toolkit
