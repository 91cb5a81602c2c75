// A slider: the filled track left of the thumb's centre, the empty track right of it,
// both at their pictures' own height and vertically centred, and the thumb skin by
// state. The slider control tells where its thumb is through SliderPartSource.
#pragma once

#include "toolkit/markup/Style.h"

namespace toolkit {

class Style_Slider : public Style {
 public:
  void draw(HDC dc, const Rect& rect, const Control& control) const override;

 private:
  // A track picture at its own height, vertically centred in `rect`, from x = `left`
  // to x = `right`.
  void drawTrack(HDC dc, AttrKey key, const Rect& rect, int32_t left, int32_t right) const;
};

}  // namespace toolkit
