// A check box or radio button: one of eight state icons (four unchecked, four
// checked) at the left, vertically centred, and the "text" on one line beside it.
#pragma once

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_CheckButton : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;
};

}  // namespace toolkit
