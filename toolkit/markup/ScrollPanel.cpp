// Scroll panel layout: dropping the old bars, deciding whether a vertical bar is
// needed, sizing the content to at least the visible area, and handing the kept
// position to the new bar.
#include "toolkit/markup/ScrollPanel.h"

#include <algorithm>

#include "toolkit/controls/ScrollBar.h"
#include "toolkit/core/Coordinates.h"
#include "toolkit/core/Layout.h"
#include "toolkit/markup/SkinMetrics.h"

namespace toolkit {
namespace {

constexpr int32_t kDefaultBarSize = 17;

AttrKey barSkinKey() { static AttrKey k = intern(u"barSkin"); return k; }

// The size of the bar picture of a scroll bar style, or the default size.
Size barPictureSize(std::u16string_view styleName) {
  Size size{kDefaultBarSize, kDefaultBarSize};
  SkinMetrics::lookup(styleName, barSkinKey(), &size);
  return size;
}

}  // namespace

Size ScrollPanel::measureOverride(int32_t, int32_t) { return {0, 0}; }

std::unique_ptr<ScrollBar> ScrollPanel::createScrollBar() { return std::make_unique<ScrollBar>(); }

int32_t ScrollPanel::verticalBarWidth() { return barPictureSize(u"vscrollbar.xml").width; }

int32_t ScrollPanel::horizontalBarHeight() { return barPictureSize(u"hscrollbar.xml").height; }

Control* ScrollPanel::content() const {
  Control* first = firstChild();
  bool isBar = first && (first == verticalBar_ || first == horizontalBar_);
  return isBar ? nullptr : first;
}

// Removes and deletes the bars of the last arrange; returns the vertical one's position.
int32_t ScrollPanel::dropBars() {
  int32_t position = 0;
  if (verticalBar_) position = verticalBar_->position();
  for (ScrollBar** bar : {&verticalBar_, &horizontalBar_}) {
    if (*bar) removeChild(*bar);
    *bar = nullptr;
  }
  return position;
}

// Adds a new vertical bar of `barWidth` along the right edge.
void ScrollPanel::addVerticalBar(int32_t barWidth, int32_t width, int32_t height) {
  std::unique_ptr<ScrollBar> bar = createScrollBar();
  bar->setOrientation(ScrollBar::Orientation::Vertical);
  bar->setOwner(this);
  verticalBar_ = bar.get();
  addChild(std::move(bar));
  measure(*verticalBar_, barWidth, height);
  arrange(*verticalBar_, {clamp32(int64_t{width} - barWidth), 0, width, height});
}

// Measures the content at the full width and, when it is taller than the panel,
// again beside the vertical bar; returns the bar's width, or 0 without a bar.
int32_t ScrollPanel::measureContent(Control& inner, int32_t width, int32_t height) {
  verticalNeeded_ = measure(inner, width, kUnlimited).height > height;
  if (!verticalNeeded_) return 0;
  int32_t barWidth = verticalBarWidth();
  measure(inner, clamp32(int64_t{width} - barWidth), kUnlimited);
  return barWidth;
}

Size ScrollPanel::arrangeOverride(int32_t width, int32_t height) {
  const int32_t keptPosition = dropBars();
  Control* inner = content();
  verticalNeeded_ = false;
  contentRect_ = Rect{};
  if (!inner) return {width, height};
  const int32_t barWidth = measureContent(*inner, width, height);
  if (verticalNeeded_) addVerticalBar(barWidth, width, height);
  // The content is never smaller than the visible area.
  Size d = inner->desiredSize();
  int64_t viewWidth = int64_t{width} - barWidth;
  arrange(*inner, {0, 0, clamp32(std::max<int64_t>(d.width, viewWidth)), std::max(d.height, height)});
  contentRect_ = inner->rect();
  if (verticalBar_) {
    verticalBar_->setRange(clamp32(int64_t{contentRect_.bottom} - contentRect_.top), height);
    verticalBar_->setPosition(keptPosition);
  }
  return {width, height};
}

void ScrollPanel::scrollContentTo(int32_t position) {
  Control* inner = content();
  if (!verticalBar_ || !inner) return;
  const Rect& r = contentRect_;
  inner->setArrangedRect({r.left, clamp32(int64_t{r.top} - position), r.right, clamp32(int64_t{r.bottom} - position)});
  invalidate(*this, false);
}

}  // namespace toolkit
