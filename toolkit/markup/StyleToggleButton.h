// A toggle button: one of eight skins, chosen by Checked and then by state, drawn
// whole over the control.
#pragma once

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_ToggleButton : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;
};

}  // namespace toolkit
