// Stack layout along one axis; the other axis is the panel's own.
#include "toolkit/markup/StackPanel.h"

#include <algorithm>

#include "toolkit/core/Layout.h"

namespace toolkit {
namespace {

AttrKey orientationKey() { static AttrKey k = intern(u"orientation"); return k; }

}  // namespace

bool StackPanel::horizontal() const {
  return enumOr(orientationKey(), EnumWord::Vertical) == EnumWord::Horizontal;
}

Size StackPanel::measureOverride(int32_t availableWidth, int32_t availableHeight) {
  const bool across = horizontal();
  int64_t length = 0;
  int32_t breadth = 0;
  for (Control* c = firstChild(); c; c = c->nextSibling()) {
    Size d = across ? measure(*c, kUnlimited, availableHeight) : measure(*c, availableWidth, kUnlimited);
    length += across ? d.width : d.height;
    breadth = std::max(breadth, across ? d.height : d.width);
  }
  return across ? Size{clamp32(length), breadth} : Size{breadth, clamp32(length)};
}

Size StackPanel::arrangeOverride(int32_t width, int32_t height) {
  const bool across = horizontal();
  int64_t at = 0;
  for (Control* c = firstChild(); c; c = c->nextSibling()) {
    Size d = c->desiredSize();
    int64_t end = at + (across ? d.width : d.height);
    arrange(*c, across ? Rect{clamp32(at), 0, clamp32(end), height} : Rect{0, clamp32(at), width, clamp32(end)});
    at = end;
  }
  return {width, height};
}

}  // namespace toolkit
