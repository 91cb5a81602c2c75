// A push button from one picture: the strip "src" holds four frames of equal height
// (normal, hover, pressed, disabled), one of which is stretched over the control,
// then the caption as on Style_Button.
#pragma once

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_ButtonEx : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;
};

}  // namespace toolkit
