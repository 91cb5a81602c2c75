// State skin, then the control's icon and caption.
#include "toolkit/markup/StyleIconButton.h"

#include "toolkit/markup/IconCaption.h"

namespace toolkit {

void Style_IconButton::draw(HDC dc, const Rect& rect, const Control& control) const {
  Style::draw(dc, rect, control);
  drawIconAndCaption(dc, rect, control.getText(attr::icon()), control.getText(attr::text()), control, *this);
}

}  // namespace toolkit
