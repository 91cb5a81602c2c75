// Caption fonts, the pressed offset and the single-line caption.
#include "toolkit/markup/Caption.h"

#include "toolkit/core/Toolkit.h"
#include "toolkit/draw/TextDraw.h"

namespace toolkit {
namespace caption {

std::wstring wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

HFONT controlFont(const Control& control) {
  ToolkitContext* context = toolkitContext();
  if (!context) return nullptr;
  const std::u16string* name = control.getText(attr::font());
  return context->skins().font(name ? wide(*name) : std::wstring(L"Default"));
}

void drawInControlFont(HDC dc, RECT rect, const std::u16string& text, const Control& control,
                       COLORREF colour, int32_t downOffset, UINT flags) {
  if (control.has(Pressed) && downOffset == 1) OffsetRect(&rect, 1, 1);
  textDraw::drawWithFont(dc, rect, wide(text), controlFont(control), colour, flags);
}

void drawCentred(HDC dc, const Rect& rect, const Control& control, const Object& style) {
  const std::u16string* text = control.getText(attr::text());
  if (!text) return;
  drawInControlFont(dc, RECT{rect.left, rect.top, rect.right, rect.bottom}, *text, control,
                    COLORREF(style.intOr(attr::textColor(), 0xFFFFFF)), style.intOr(attr::downOffset(), 0),
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void drawBeside(HDC dc, const Rect& rect, int32_t left, const Control& control, COLORREF colour) {
  const std::u16string* text = control.getText(attr::text());
  if (!text) return;
  textDraw::drawSingleLine(dc, RECT{left, rect.top, rect.right, rect.bottom}, wide(*text), colour);
}

}  // namespace caption
}  // namespace toolkit
