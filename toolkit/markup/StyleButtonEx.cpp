// One frame of a four-frame strip, then the centred caption. Without a strip the
// caption is still drawn: it is centred in the control and needs no picture.
#include "toolkit/markup/StyleButtonEx.h"

#include "toolkit/markup/Caption.h"

namespace toolkit {

void Style_ButtonEx::draw(HDC dc, const Rect& rect, const Control& control) const {
  if (const Image* strip = picture(attr::src()))
    drawFrame(dc, *strip, 4, static_cast<int>(lookOf(control.state(), Pressed, Hovered)), rect);
  caption::drawCentred(dc, rect, control, *this);
}

}  // namespace toolkit
