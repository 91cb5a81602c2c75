// A check box from one picture: the strip "src" holds eight frames (normal, hover,
// pressed and disabled, unchecked then checked); one is drawn at its own size at
// the top left and the "text" follows it on one line.
#pragma once

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_CheckButtonEx : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;
};

}  // namespace toolkit
