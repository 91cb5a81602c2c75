// A button with an icon: the state skin, then the control's "icon" and "text" placed
// side by side or one above the other by the style's "textPlacement".
#pragma once

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_IconButton : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;
};

}  // namespace toolkit
