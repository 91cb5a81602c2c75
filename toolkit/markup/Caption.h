// Captions of styled controls: the text a control carries, the font it names, and
// the two ways styles draw it — centred (or placed) in the control's font, moved
// by one pixel while pressed when the style asks for it, or on one line beside an
// icon in the device context's font.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "toolkit/core/Control.h"

namespace toolkit {
namespace caption {

// A text attribute as the drawing routines take it.
std::wstring wide(const std::u16string& text);

// The font named by the control's "font" attribute, or "Default"; null when the
// skin repository has no such font (the context's font is then used).
HFONT controlFont(const Control& control);

// Draws `text` in the control's font with the flags. It moves one pixel right and
// down while the control is Pressed and `downOffset` is exactly 1.
void drawInControlFont(HDC dc, RECT rect, const std::u16string& text, const Control& control,
                       COLORREF colour, int32_t downOffset, UINT flags);

// The caption of the button styles: the control's "text", if any, centred on one
// line in the control's font, in the style's "textColor" (white when absent) and
// with the style's "downOffset".
void drawCentred(HDC dc, const Rect& rect, const Control& control, const Object& style);

// Draws the control's "text", if any, on one line from `left` to the right edge of
// `rect`, vertically centred, in the context's font.
void drawBeside(HDC dc, const Rect& rect, int32_t left, const Control& control, COLORREF colour);

}  // namespace caption
}  // namespace toolkit
