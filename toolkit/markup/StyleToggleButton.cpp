// Eight skins: checked ones while Checked, plain ones otherwise; no scale grid.
#include "toolkit/markup/StyleToggleButton.h"

namespace toolkit {

void Style_ToggleButton::draw(HDC dc, const Rect& rect, const Control& control) const {
  static const CheckedLookKeys skins{
      attr::upSkin(),        attr::overSkin(),        attr::downSkin(),        attr::disabledSkin(),
      attr::checkedUpSkin(), attr::checkedOverSkin(), attr::checkedDownSkin(), attr::checkedDisabledSkin()};
  drawSkin(dc, skins[checkedLook(control)], rect, nullptr);
}

}  // namespace toolkit
