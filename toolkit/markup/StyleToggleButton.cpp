// Eight skins: checked ones while Checked, plain ones otherwise; no scale grid.
#include "toolkit/markup/StyleToggleButton.h"

namespace toolkit {

void Style_ToggleButton::draw(HDC dc, const Rect& rect, const Control& control) const {
  static const LookKeys unchecked{attr::upSkin(), attr::overSkin(), attr::downSkin(), attr::disabledSkin()};
  static const LookKeys checked{attr::checkedUpSkin(), attr::checkedOverSkin(), attr::checkedDownSkin(),
                                attr::checkedDisabledSkin()};
  const LookKeys& keys = control.has(Checked) ? checked : unchecked;
  drawSkin(dc, keys[static_cast<int>(lookOf(control.state(), Pressed, Hovered))], rect, nullptr);
}

}  // namespace toolkit
