// Icon and caption of the icon buttons, placed by the style's "textPlacement":
// the caption right of the icon (the default), left of it, or under it; any other
// word leaves the icon out. The pair is centred in the control with "iconGap"
// between them. The caption is drawn in the control's font and the style's
// "textColor" (black when absent) and moves by a pixel while pressed when the
// style's "downOffset" is 1.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/core/Control.h"

namespace toolkit {

void drawIconAndCaption(HDC dc, const Rect& rect, const std::u16string* iconName, const std::u16string* text,
                        const Control& control, const Object& style);

}  // namespace toolkit
