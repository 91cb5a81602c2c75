// Measure and arrange arithmetic. Sums are formed in 64 bits and clamped, so that
// extreme attribute values from markup cannot overflow.
#include "toolkit/core/Layout.h"

#include <algorithm>

#include "toolkit/core/Control.h"
#include "toolkit/core/LiveControls.h"
#include "toolkit/core/Names.h"

namespace toolkit {
namespace {

constexpr int32_t kUnset = -1;

struct Margins {
  Rect m;
  int64_t horizontal() const { return int64_t{m.left} + m.right; }
  int64_t vertical() const { return int64_t{m.top} + m.bottom; }
};

Margins marginsOf(const Control& c) { return {c.rectOr(attr::margin(), Rect{})}; }

// Where a box of length `size` starts in the span [start, end) with the margins
// `before` and `after`, for one axis; `far` is the word that aligns to the end.
int32_t place(EnumWord align, EnumWord far, int32_t start, int32_t end, int32_t before, int32_t after,
              int32_t size) {
  int64_t origin = int64_t{start} + before;
  int64_t pos = origin;
  if (align == EnumWord::Center || align == EnumWord::Stretch) pos = (origin + end - after - size) / 2;
  else if (align == far) pos = int64_t{end} - after - size;
  return clamp32(std::max(pos, origin));
}

}  // namespace

Size measure(Control& control, int32_t availableWidth, int32_t availableHeight) {
  if (!liveControls::contains(&control)) return {0, 0};
  Margins margins = marginsOf(control);
  int64_t aw = availableWidth - margins.horizontal();
  int64_t ah = availableHeight - margins.vertical();
  if (aw <= 0 || ah <= 0) {
    control.setDesiredSize({0, 0});
    return {0, 0};
  }
  int32_t width = control.intOr(attr::width(), kUnset);
  int32_t height = control.intOr(attr::height(), kUnset);
  Size content = control.measureOverride(width != kUnset ? width : clamp32(aw),
                                         height != kUnset ? height : clamp32(ah));
  Size desired{clamp32((width != kUnset ? width : content.width) + margins.horizontal()),
               clamp32((height != kUnset ? height : content.height) + margins.vertical())};
  control.setDesiredSize(desired);
  return desired;
}

void arrange(Control& control, const Rect& slot) {
  control.setArrangedRect(Rect{});
  if (!liveControls::contains(&control)) return;
  Margins margins = marginsOf(control);
  int64_t aw = int64_t{slot.right} - slot.left - margins.horizontal();
  int64_t ah = int64_t{slot.bottom} - slot.top - margins.vertical();
  if (aw <= 0 || ah <= 0) return;
  int64_t dw = control.desiredSize().width - margins.horizontal();
  int64_t dh = control.desiredSize().height - margins.vertical();
  EnumWord ha = control.enumOr(attr::horizontalAlign(), EnumWord::Stretch);
  EnumWord va = control.enumOr(attr::verticalAlign(), EnumWord::Stretch);
  int64_t w = ha == EnumWord::Stretch ? std::max(aw, dw) : dw;
  int64_t h = va == EnumWord::Stretch ? std::max(ah, dh) : dh;
  int32_t width = control.intOr(attr::width(), kUnset);
  int32_t height = control.intOr(attr::height(), kUnset);
  if (width != kUnset) w = width;
  if (height != kUnset) h = height;
  Size final = control.arrangeOverride(clamp32(w), clamp32(h));
  if (final.width <= 0 || final.height <= 0) return;
  const Rect& m = margins.m;
  int32_t x = place(ha, EnumWord::Right, slot.left, slot.right, m.left, m.right, final.width);
  int32_t y = place(va, EnumWord::Bottom, slot.top, slot.bottom, m.top, m.bottom, final.height);
  control.setArrangedRect({x, y, clamp32(int64_t{x} + final.width), clamp32(int64_t{y} + final.height)});
}

}  // namespace toolkit
