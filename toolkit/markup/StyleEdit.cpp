// Up, over or disabled skin; never the down skin.
#include "toolkit/markup/StyleEdit.h"

namespace toolkit {

void Style_Edit::draw(HDC dc, const Rect& rect, const Control& control) const {
  drawLookSkin(dc, lookOf(control.state(), 0, Hovered), rect);
}

}  // namespace toolkit
