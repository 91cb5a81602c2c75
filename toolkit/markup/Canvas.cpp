// Canvas layout: children measured without limits, placed by "x" and "y".
#include "toolkit/markup/Canvas.h"

#include "toolkit/core/Layout.h"

namespace toolkit {
namespace {

AttrKey xKey() { static AttrKey k = intern(u"x"); return k; }
AttrKey yKey() { static AttrKey k = intern(u"y"); return k; }

// A coordinate along an axis of length `extent`; negative ones count from the end.
int64_t fromEdge(int32_t coordinate, int32_t extent) {
  return coordinate < 0 ? int64_t{coordinate} + extent : coordinate;
}

}  // namespace

Size Canvas::measureOverride(int32_t, int32_t) {
  for (Control* c = firstChild(); c; c = c->nextSibling()) measure(*c, kUnlimited, kUnlimited);
  return {0, 0};
}

Size Canvas::arrangeOverride(int32_t width, int32_t height) {
  for (Control* c = firstChild(); c; c = c->nextSibling()) {
    int64_t x = fromEdge(c->intOr(xKey(), 0), width);
    int64_t y = fromEdge(c->intOr(yKey(), 0), height);
    Size d = c->desiredSize();
    arrange(*c, {clamp32(x), clamp32(y), clamp32(x + d.width), clamp32(y + d.height)});
  }
  return {width, height};
}

}  // namespace toolkit
