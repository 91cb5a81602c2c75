// The background picture, regardless of state.
#include "toolkit/markup/StyleBackground.h"

namespace toolkit {

void Style_Background::draw(HDC dc, const Rect& rect, const Control&) const {
  drawSkin(dc, attr::img(), rect, attr::scaleGrid());
}

}  // namespace toolkit
