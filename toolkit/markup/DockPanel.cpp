// Dock layout: the measure pass adds up the bands, the arrange pass consumes the
// free area from its four edges.
#include "toolkit/markup/DockPanel.h"

#include <algorithm>

#include "toolkit/core/Layout.h"

namespace toolkit {
namespace {

AttrKey dockKey() { static AttrKey k = intern(u"dock"); return k; }

EnumWord dockOf(const Control& c) { return c.enumOr(dockKey(), EnumWord::Left); }

bool docksSideways(EnumWord dock) { return dock == EnumWord::Left || dock == EnumWord::Right; }
bool docksEndways(EnumWord dock) { return dock == EnumWord::Top || dock == EnumWord::Bottom; }

// How much of the panel's edges the children placed so far have consumed.
struct Consumed {
  int64_t left = 0, top = 0, right = 0, bottom = 0;
};

Rect slotOf(int64_t l, int64_t t, int64_t r, int64_t b) { return {clamp32(l), clamp32(t), clamp32(r), clamp32(b)}; }

// The slot of a child that is not the last, and what it consumes.
Rect dockSlot(EnumWord dock, Size d, int64_t w, int64_t h, Consumed& used) {
  if (dock == EnumWord::Left) {
    Rect slot = slotOf(used.left, used.top, used.left + d.width, h - used.bottom);
    used.left += d.width;
    return slot;
  }
  if (dock == EnumWord::Top) {
    Rect slot = slotOf(used.left, used.top, w - used.right, used.top + d.height);
    used.top += d.height;
    return slot;
  }
  if (dock == EnumWord::Right) {
    used.right += d.width;
    int64_t left = std::max(used.left, w - used.right);
    return slotOf(left, used.top, left + d.width, h - used.bottom);
  }
  used.bottom += d.height;
  int64_t top = std::max(used.top, h - used.bottom);
  return slotOf(used.left, top, w - used.right, top + d.height);
}

}  // namespace

Size DockPanel::measureOverride(int32_t availableWidth, int32_t availableHeight) {
  int64_t usedW = 0, usedH = 0, widest = 0, tallest = 0;
  for (Control* c = firstChild(); c; c = c->nextSibling()) {
    Size d = measure(*c, clamp32(std::max<int64_t>(availableWidth - usedW, 0)),
                     clamp32(std::max<int64_t>(availableHeight - usedH, 0)));
    EnumWord dock = dockOf(*c);
    if (docksSideways(dock)) {
      tallest = std::max(tallest, usedH + d.height);
      usedW += d.width;
    } else if (docksEndways(dock)) {
      widest = std::max(widest, usedW + d.width);
      usedH += d.height;
    }
  }
  return {clamp32(std::max(usedW, widest)), clamp32(std::max(usedH, tallest))};
}

Size DockPanel::arrangeOverride(int32_t width, int32_t height) {
  Consumed used;
  for (Control* c = firstChild(); c; c = c->nextSibling()) {
    if (!c->nextSibling()) {
      arrange(*c, slotOf(used.left, used.top, int64_t{width} - used.right, int64_t{height} - used.bottom));
      break;
    }
    arrange(*c, dockSlot(dockOf(*c), c->desiredSize(), width, height, used));
  }
  return {width, height};
}

}  // namespace toolkit
