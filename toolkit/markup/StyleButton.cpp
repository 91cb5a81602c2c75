// State skin and centred caption.
#include "toolkit/markup/StyleButton.h"

#include "toolkit/markup/Caption.h"

namespace toolkit {

void Style_Button::draw(HDC dc, const Rect& rect, const Control& control) const {
  Style::draw(dc, rect, control);
  caption::drawCentred(dc, rect, control, *this);
}

}  // namespace toolkit
