// One frame of an eight-frame strip at its own size, and the caption beside it.
// Without a strip picture the caption starts at the control's left edge.
#include "toolkit/markup/StyleCheckButtonEx.h"

#include "toolkit/markup/Caption.h"

namespace toolkit {

void Style_CheckButtonEx::draw(HDC dc, const Rect& rect, const Control& control) const {
  int32_t textLeft = rect.left;
  if (const Image* strip = picture(attr::src())) {
    Rect frame{rect.left, rect.top, rect.left + strip->width, rect.top + strip->height / 8};
    drawFrame(dc, *strip, 8, checkedLook(control), frame);
    textLeft = rect.left + strip->width + intOr(attr::iconGap(), 2) + 2;
  }
  caption::drawBeside(dc, rect, textLeft, control, COLORREF(intOr(attr::textColor(), 0xFFFFFF)));
}

}  // namespace toolkit
