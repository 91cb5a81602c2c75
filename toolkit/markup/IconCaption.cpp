// Placing an icon and a caption together.
#include "toolkit/markup/IconCaption.h"

#include "toolkit/draw/ImageDraw.h"
#include "toolkit/draw/TextDraw.h"
#include "toolkit/markup/Caption.h"
#include "toolkit/markup/Style.h"

namespace toolkit {
namespace {

constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kBesideIcon = DT_VCENTER | DT_SINGLELINE;
constexpr UINT kUnderIcon = DT_CENTER | DT_SINGLELINE;

// Draws the icon where the placement puts it and narrows the caption's rectangle
// and flags to the room left for the caption.
void placeIcon(HDC dc, const Image& icon, SIZE textSize, const Object& style, RECT& captionRect,
               UINT& flags) {
  const RECT r = captionRect;
  const int gap = style.intOr(attr::iconGap(), 2);
  const int iconY = (r.top + r.bottom - icon.height) / 2;
  const int rowX = (r.left + r.right - gap - textSize.cx - icon.width) / 2;
  flags = kBesideIcon;
  switch (style.enumOr(attr::textPlacement(), EnumWord::Right)) {
    case EnumWord::Right:
      imageDraw::drawNatural(dc, &icon, rowX, iconY);
      captionRect.left = rowX + icon.width + gap;
      break;
    case EnumWord::Left:
      imageDraw::drawNatural(dc, &icon, rowX + textSize.cx + gap, iconY);
      captionRect.left = rowX;
      captionRect.right = rowX + textSize.cx;
      break;
    case EnumWord::Bottom: {
      const int columnY = (r.top + r.bottom - gap - textSize.cy - icon.height) / 2;
      imageDraw::drawNatural(dc, &icon, (r.left + r.right - icon.width) / 2, columnY);
      captionRect.top = columnY + icon.height + gap;
      flags = kUnderIcon;
      break;
    }
    default:
      break;  // no icon; the caption keeps the whole rectangle
  }
}

}  // namespace

void drawIconAndCaption(HDC dc, const Rect& rect, const std::u16string* iconName, const std::u16string* text,
                        const Control& control, const Object& style) {
  RECT captionRect{rect.left, rect.top, rect.right, rect.bottom};
  UINT flags = kCentred;
  if (const Image* icon = pictureNamed(iconName)) {
    SIZE textSize{0, 0};
    if (text) textSize = textDraw::measureSingleLine(dc, caption::wide(*text), caption::controlFont(control));
    placeIcon(dc, *icon, textSize, style, captionRect, flags);
  }
  if (text)
    caption::drawInControlFont(dc, captionRect, *text, control, COLORREF(style.intOr(attr::textColor(), 0)),
                               style.intOr(attr::downOffset(), 0), flags);
}

}  // namespace toolkit
