// A toggle button with an icon: a state skin that ignores Checked and Focused, then
// "icon" and "text" — or "offIcon" and "offText" while Checked — placed as on
// Style_IconButton.
#pragma once

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_ToggleIconButton : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;
};

}  // namespace toolkit
