// A combo box field: the state skin, the drop button picture "dropBtn" at the right
// edge, and the "text" on one line in black, 12 pixels in from the left.
#pragma once

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_ComboBox : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;
};

}  // namespace toolkit
