// Scroll bar geometry and position; input (arrows, track, thumb dragging, auto
// repeat) is not handled yet.
#include "toolkit/controls/ScrollBar.h"

#include <algorithm>

#include "toolkit/core/Coordinates.h"
#include "toolkit/core/Layout.h"
#include "toolkit/core/LiveControls.h"
#include "toolkit/markup/ScrollPanel.h"
#include "toolkit/markup/SkinMetrics.h"

namespace toolkit {
namespace {

constexpr int64_t kMinThumbLength = 20;

AttrKey upArrowKey() { static AttrKey k = intern(u"upArrowUpSkin"); return k; }
AttrKey downArrowKey() { static AttrKey k = intern(u"downArrowUpSkin"); return k; }

Size pictureSize(const std::u16string& styleName, AttrKey skin) {
  Size size;
  SkinMetrics::lookup(styleName, skin, &size);
  return size;
}

}  // namespace

ScrollBar::ScrollBar() { setState(RepaintOnMouse | CaptureOnPress, true); }

std::u16string ScrollBar::styleName() const {
  const std::u16string* style = getText(attr::style());
  return style ? *style : u"vscrollbar.xml";
}

void ScrollBar::paint(Painter& painter, const Rect& rect, const Rect&) { paintStyle(styleName(), painter, rect); }

Size ScrollBar::arrangeOverride(int32_t width, int32_t height) {
  const std::u16string style = styleName();
  Size up = pictureSize(style, upArrowKey());
  Size down = pictureSize(style, downArrowKey());
  int32_t upLeft = clamp32((int64_t{width} - up.width) / 2);
  int32_t downLeft = clamp32((int64_t{width} - down.width) / 2);
  upArrow_ = {upLeft, 0, clamp32(int64_t{upLeft} + up.width), up.height};
  downArrow_ = {downLeft, clamp32(int64_t{height} - down.height), clamp32(int64_t{downLeft} + down.width), height};
  width_ = width;
  return {width, height};
}

// The thumb's length follows the share of the content that is visible; its top
// follows the position. A bar with nothing to scroll keeps the thumb at the top.
Rect ScrollBar::thumbRect() const {
  int64_t track = int64_t{downArrow_.top} - upArrow_.bottom;
  int64_t length = total_ > 0 ? int64_t{page_} * track / total_ + 1 : 0;
  length = std::max(length, kMinThumbLength);
  int64_t range = int64_t{total_} - page_;
  int64_t top = upArrow_.bottom + (range > 0 ? (track - length) * position_ / range : 0);
  return {0, clamp32(top), width_, clamp32(top + length)};
}

void ScrollBar::setRange(int32_t total, int32_t page) {
  total_ = total;
  page_ = page;
}

void ScrollBar::setPosition(int32_t proposed) {
  if (!liveControls::contains(this)) return;
  const bool scrollable = page_ < total_;
  if (has(Enabled) != scrollable) {
    setState(Enabled, scrollable);
    invalidate(*this, false);
  }
  int32_t position = scrollable ? std::clamp<int32_t>(proposed, 0, clamp32(int64_t{total_} - page_)) : 0;
  if (position == position_) return;
  position_ = position;
  if (owner_ && liveControls::contains(owner_)) owner_->scrollContentTo(position);
  invalidate(*this, false);
}

}  // namespace toolkit
