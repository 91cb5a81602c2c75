// Text drawing for styles.
#include "toolkit/draw/TextDraw.h"

namespace textDraw {
namespace {

// Keeps a font selected for one scope. A null font leaves the context's font alone.
class SelectedFont {
 public:
  SelectedFont(HDC dc, HFONT font) : dc_(dc), previous_(font ? SelectObject(dc, font) : nullptr) {}
  ~SelectedFont() {
    if (previous_) SelectObject(dc_, previous_);
  }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace

void drawWithFont(HDC dc, RECT rect, const std::wstring& text, HFONT font, COLORREF colour, UINT flags) {
  SelectedFont selected(dc, font);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), -1, &rect, flags);
}

void drawSingleLine(HDC dc, RECT rect, const std::wstring& text, COLORREF colour) {
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), -1, &rect, DT_SINGLELINE | DT_VCENTER);
}

SIZE measureSingleLine(HDC dc, const std::wstring& text, HFONT font) {
  SelectedFont selected(dc, font);
  RECT bounds{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), -1, &bounds, DT_CALCRECT | DT_SINGLELINE);
  return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

}  // namespace textDraw
