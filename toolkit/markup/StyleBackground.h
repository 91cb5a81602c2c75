// A background: the picture "img" over the whole control, by scale grid when the
// style has "scaleGrid", whatever the state of the control.
#pragma once

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_Background : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;
};

}  // namespace toolkit
