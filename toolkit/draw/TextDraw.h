// The two ways styles draw text. The background is never filled: surfaces are in
// transparent background mode.
#pragma once

#include <windows.h>

#include <string>

namespace textDraw {

// Selects the font, draws the whole text with the flags, and restores the font.
void drawWithFont(HDC dc, RECT rect, const std::wstring& text, HFONT font, COLORREF colour, UINT flags);

// One line, left aligned and vertically centred, in the context's current font.
void drawSingleLine(HDC dc, RECT rect, const std::wstring& text, COLORREF colour);

}  // namespace textDraw
