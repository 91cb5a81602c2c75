// Text drawing for styles.
#include "toolkit/draw/TextDraw.h"

namespace textDraw {

void drawWithFont(HDC dc, RECT rect, const std::wstring& text, HFONT font, COLORREF colour, UINT flags) {
  HGDIOBJ previous = SelectObject(dc, font);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), -1, &rect, flags);
  SelectObject(dc, previous);
}

void drawSingleLine(HDC dc, RECT rect, const std::wstring& text, COLORREF colour) {
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), -1, &rect, DT_SINGLELINE | DT_VCENTER);
}

}  // namespace textDraw
