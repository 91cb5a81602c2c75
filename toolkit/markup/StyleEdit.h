// The background of an edit field: up, over or disabled skin. Focus and pressing
// do not change it.
#pragma once

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_Edit : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;
};

}  // namespace toolkit
