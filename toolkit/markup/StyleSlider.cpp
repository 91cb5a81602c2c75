// Tracks on both sides of the thumb's centre, then the thumb. A control that is
// not a slider has no thumb to place the tracks by, and nothing is drawn.
#include "toolkit/markup/StyleSlider.h"

#include "toolkit/markup/SliderPartSource.h"

namespace toolkit {

void Style_Slider::draw(HDC dc, const Rect& rect, const Control& control) const {
  const auto* source = dynamic_cast<const SliderPartSource*>(&control);
  if (!source) return;
  const Rect thumb = source->sliderThumb().offset(rect.left, rect.top);
  const int32_t middle = (thumb.left + thumb.right) / 2;
  drawTrack(dc, attr::barSkin(), rect, middle, rect.right);
  drawTrack(dc, attr::trackSkin(), rect, rect.left, middle);
  // A slider marks the thumb as hovered with its Checked bit.
  static const LookKeys thumbs{attr::thumbUpSkin(), attr::thumbOverSkin(), attr::thumbDownSkin(), nullptr};
  Look look = partLook(true, control.has(Pressed), control.has(Checked));
  drawSkin(dc, thumbs[static_cast<int>(look)], thumb, nullptr);
}

void Style_Slider::drawTrack(HDC dc, AttrKey key, const Rect& rect, int32_t left, int32_t right) const {
  const Image* track = picture(key);
  if (!track) return;
  const int32_t top = (rect.top + rect.bottom - track->height) / 2;
  drawPicture(dc, track, {left, top, right, top + track->height}, attr::scaleGrid());
}

}  // namespace toolkit
