// State skin, drop button at the right, caption in the rest.
#include "toolkit/markup/StyleComboBox.h"

#include "toolkit/draw/ImageDraw.h"
#include "toolkit/markup/Caption.h"

namespace toolkit {

void Style_ComboBox::draw(HDC dc, const Rect& rect, const Control& control) const {
  Style::draw(dc, rect, control);
  Rect captionRect = rect;
  if (const Image* button = picture(attr::dropBtn())) {
    imageDraw::drawNatural(dc, button, rect.right - button->width, (rect.top + rect.bottom - button->height) / 2);
    captionRect.right -= button->width + 2;
  }
  caption::drawBeside(dc, captionRect, captionRect.left + 12, control, RGB(0, 0, 0));
}

}  // namespace toolkit
