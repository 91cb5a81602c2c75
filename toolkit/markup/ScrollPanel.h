// A panel whose first child, its content, may be taller than the panel. Each
// arrange gives the content the panel's width and as much height as it wants, and
// when that is more than the panel's height adds a vertical ScrollBar as a further
// child along the right edge and narrows the content by the bar's width. The
// content is never smaller than the visible area. The bar is made anew in every
// arrange, but the scroll position carries over from the bar it replaces.
// Horizontal scrolling does not exist: the horizontal bar stays absent.
#pragma once

#include <memory>

#include "toolkit/core/Panel.h"

namespace toolkit {

class ScrollBar;

class ScrollPanel : public Panel {
 public:
  // Measured as a plain control: 0 by 0, the content is not asked.
  Size measureOverride(int32_t availableWidth, int32_t availableHeight) override;
  Size arrangeOverride(int32_t width, int32_t height) override;

  // Makes the panel's scroll bar; a subclass may hook itself to the new bar.
  virtual std::unique_ptr<ScrollBar> createScrollBar();
  // The width of the vertical bar: that of the "barSkin" picture of the style
  // "vscrollbar.xml", or 17 when the style or the picture is missing.
  virtual int32_t verticalBarWidth();
  // The height of a horizontal bar, from "hscrollbar.xml" likewise.
  virtual int32_t horizontalBarHeight();

  // Moves the content up by `position` from where the last arrange put it; called
  // by the vertical bar when its position changes.
  void scrollContentTo(int32_t position);

  bool verticalBarNeeded() const { return verticalNeeded_; }
  bool horizontalBarNeeded() const { return horizontalNeeded_; }
  ScrollBar* verticalBar() const { return verticalBar_; }
  ScrollBar* horizontalBar() const { return horizontalBar_; }
  // The content's rectangle as arranged, before any scrolling.
  const Rect& contentRect() const { return contentRect_; }
  // The first child that is not one of the panel's bars, or null.
  Control* content() const;

 private:
  int32_t dropBars();
  int32_t measureContent(Control& inner, int32_t width, int32_t height);
  void addVerticalBar(int32_t barWidth, int32_t width, int32_t height);

  bool verticalNeeded_ = false;
  bool horizontalNeeded_ = false;
  // The bars are children and so owned by the panel; these only point at them.
  ScrollBar* verticalBar_ = nullptr;
  ScrollBar* horizontalBar_ = nullptr;
  Rect contentRect_;
};

}  // namespace toolkit
