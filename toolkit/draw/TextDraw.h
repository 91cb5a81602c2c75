// The two ways styles draw text, and the measuring that places captions beside
// icons. The background is never filled: surfaces are in transparent background mode.
#pragma once

#include <windows.h>

#include <string>

namespace textDraw {

// Selects the font, draws the whole text with the flags, and restores the font.
void drawWithFont(HDC dc, RECT rect, const std::wstring& text, HFONT font, COLORREF colour, UINT flags);

// One line, left aligned and vertically centred, in the context's current font.
void drawSingleLine(HDC dc, RECT rect, const std::wstring& text, COLORREF colour);

// Width and height of one line of text in the font (DT_CALCRECT on an empty
// rectangle); the context's font is restored afterwards.
SIZE measureSingleLine(HDC dc, const std::wstring& text, HFONT font);

}  // namespace textDraw
