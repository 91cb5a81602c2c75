// A state skin blind to Checked and Focused; the icon and caption of the control's
// checked state.
#include "toolkit/markup/StyleToggleIconButton.h"

#include "toolkit/markup/IconCaption.h"

namespace toolkit {

void Style_ToggleIconButton::draw(HDC dc, const Rect& rect, const Control& control) const {
  drawLookSkin(dc, lookOf(control.state(), Pressed, Hovered), rect);
  const bool on = control.has(Checked);
  drawIconAndCaption(dc, rect, control.getText(on ? attr::offIcon() : attr::icon()),
                     control.getText(on ? attr::offText() : attr::text()), control, *this);
}

}  // namespace toolkit
