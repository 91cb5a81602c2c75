// State icon at the left and the caption beside it. Without an icon picture the
// caption starts at the control's left edge.
#include "toolkit/markup/StyleCheckButton.h"

#include "toolkit/draw/ImageDraw.h"
#include "toolkit/markup/Caption.h"

namespace toolkit {

void Style_CheckButton::draw(HDC dc, const Rect& rect, const Control& control) const {
  static const CheckedLookKeys icons{
      attr::upIcon(),        attr::overIcon(),        attr::downIcon(),        attr::disabledIcon(),
      attr::checkedUpIcon(), attr::checkedOverIcon(), attr::checkedDownIcon(), attr::checkedDisabledIcon()};
  const Image* icon = picture(icons[checkedLook(control)]);
  int32_t textLeft = rect.left;
  if (icon) {
    imageDraw::drawNatural(dc, icon, rect.left + 2, (rect.top + rect.bottom - icon->height) / 2);
    textLeft = rect.left + icon->width + intOr(attr::iconGap(), 2) + 2;
  }
  caption::drawBeside(dc, rect, textLeft, control, COLORREF(intOr(attr::textColor(), 0xFFFFFF)));
}

}  // namespace toolkit
