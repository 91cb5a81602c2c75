// The vertical scroll bar that a ScrollPanel adds beside content taller than
// itself. It keeps the content's height (total), the visible height (page) and how
// far the content is scrolled (position), lays out its two arrows and its thumb
// from the sizes of its style's pictures, and is drawn by that style ("vscrollbar.xml"
// unless its "style" attribute names another). It is enabled only while there is
// something to scroll. Setting the position clamps it and moves the owner's content.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/core/Control.h"

namespace toolkit {

class ScrollPanel;

class ScrollBar : public Control {
 public:
  enum class Orientation : int32_t { Vertical, Horizontal };

  ScrollBar();

  void paint(Painter& painter, const Rect& rect, const Rect& clip) override;
  // Places the arrows: the up arrow centred at the top, the down arrow centred at
  // the bottom, each at its picture's size.
  Size arrangeOverride(int32_t width, int32_t height) override;

  // The panel whose content the bar moves; it owns the bar as its child.
  void setOwner(ScrollPanel* owner) { owner_ = owner; }
  void setOrientation(Orientation orientation) { orientation_ = orientation; }
  // The content's height and the visible height; setPosition applies them.
  void setRange(int32_t total, int32_t page);
  // Clamps `proposed` to 0 .. total - page (0 when there is nothing to scroll),
  // updates Enabled, and when the position changes scrolls the owner's content and
  // repaints. Nothing for a bar that is not attached to a window.
  void setPosition(int32_t proposed);

  Orientation orientation() const { return orientation_; }
  int32_t total() const { return total_; }
  int32_t page() const { return page_; }
  int32_t position() const { return position_; }
  // Which part is hovered or pressed: always 0 until the bar takes input.
  uint32_t partState() const { return partState_; }
  // Part rectangles in the bar's own coordinates, as the last arrange left them.
  const Rect& upArrowRect() const { return upArrow_; }
  const Rect& downArrowRect() const { return downArrow_; }
  Rect thumbRect() const;
  // The style the bar is drawn and sized by.
  std::u16string styleName() const;

 private:
  ScrollPanel* owner_ = nullptr;
  int32_t total_ = 0;
  int32_t position_ = 0;
  int32_t page_ = 0;
  uint32_t partState_ = 0;
  Orientation orientation_ = Orientation::Vertical;
  int32_t width_ = 0;
  Rect upArrow_;
  Rect downArrow_;
};

}  // namespace toolkit
