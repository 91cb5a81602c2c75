// A push button: the state skin, then the control's "text" centred in its font and
// the style's "textColor", moved by a pixel while pressed when "downOffset" is 1.
#pragma once

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_Button : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;
};

}  // namespace toolkit
