// The controls' style drawer.
#include "toolkit/markup/StyleHook.h"

#include <windows.h>

namespace toolkit {

StyleHook::StyleHook(Lookup lookup) : lookup_(std::move(lookup)) { Control::setStyleDrawer(this); }

StyleHook::~StyleHook() { Control::setStyleDrawer(nullptr); }

void StyleHook::drawStyle(const std::u16string& styleName, Painter& painter, const Rect& rect, Control& control) {
  HDC dc = static_cast<HDC>(painter.nativeContext());
  if (!dc || !lookup_) return;
  if (const Style* style = lookup_(styleName)) style->draw(dc, rect, control);
}

}  // namespace toolkit
