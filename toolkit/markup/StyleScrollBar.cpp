// Bar, arrows and thumb. A control that is not a scroll bar tells no part
// rectangles, so only its bar skin is drawn.
#include "toolkit/markup/StyleScrollBar.h"

#include "toolkit/draw/ImageDraw.h"
#include "toolkit/markup/ScrollBarPartSource.h"

namespace toolkit {
namespace {

Look arrowLook(bool enabled, uint32_t partState, uint32_t pressedBit, uint32_t hoveredBit) {
  return partLook(enabled, (partState & pressedBit) != 0, (partState & hoveredBit) != 0);
}

}  // namespace

void Style_ScrollBar::draw(HDC dc, const Rect& rect, const Control& control) const {
  drawSkin(dc, attr::barSkin(), rect, attr::scaleGrid());
  const auto* source = dynamic_cast<const ScrollBarPartSource*>(&control);
  if (!source) return;
  const ScrollBarParts parts = source->scrollBarParts();
  const bool enabled = control.has(Enabled);
  static const LookKeys upArrow{attr::upArrowUpSkin(), attr::upArrowOverSkin(), attr::upArrowDownSkin(),
                                attr::upArrowDisabledSkin()};
  static const LookKeys downArrow{attr::downArrowUpSkin(), attr::downArrowOverSkin(), attr::downArrowDownSkin(),
                                  attr::downArrowDisabledSkin()};
  Look up = arrowLook(enabled, parts.state, scrollPart::UpArrowPressed, scrollPart::UpArrowHovered);
  Look down = arrowLook(enabled, parts.state, scrollPart::DownArrowPressed, scrollPart::DownArrowHovered);
  drawSkin(dc, upArrow[static_cast<int>(up)], parts.upArrow.offset(rect.left, rect.top), nullptr);
  drawSkin(dc, downArrow[static_cast<int>(down)], parts.downArrow.offset(rect.left, rect.top), nullptr);
  if (enabled) drawThumb(dc, parts.thumb.offset(rect.left, rect.top), parts.state);
}

void Style_ScrollBar::drawThumb(HDC dc, Rect thumb, uint32_t partState) const {
  static const LookKeys skins{attr::thumbUpSkin(), attr::thumbOverSkin(), attr::thumbDownSkin(), nullptr};
  static const LookKeys icons{attr::thumbUpIcon(), attr::thumbOverIcon(), attr::thumbDownIcon(), nullptr};
  const int look = static_cast<int>(arrowLook(true, partState, scrollPart::ThumbPressed, scrollPart::ThumbHovered));
  thumb.left += 1;
  thumb.right -= 1;
  drawSkin(dc, skins[look], thumb, attr::thumbScaleGrid());
  if (const Image* icon = picture(icons[look]))
    imageDraw::drawNatural(dc, icon, (thumb.left + thumb.right - icon->width) / 2,
                           (thumb.top + thumb.bottom - icon->height) / 2);
}

}  // namespace toolkit
