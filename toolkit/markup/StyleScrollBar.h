// A vertical scroll bar: the bar skin, the two arrows by their own hover and press
// state, and, while the bar is enabled, the thumb skin with its icon. The bar
// control tells where its parts are through ScrollBarPartSource.
#pragma once

#include <cstdint>

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_ScrollBar : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;

 private:
  // The thumb skin and icon of the part state; `thumb` in device coordinates.
  void drawThumb(HDC dc, Rect thumb, uint32_t partState) const;
};

}  // namespace toolkit
