// A control that holds other controls. A panel owns its children: it deletes them,
// last first, when it is destroyed. It paints itself and then its visible children
// in order, and hit-tests the children topmost (last) first. The layout of the
// children is the business of the panel classes derived from it.
#pragma once

#include <memory>

#include "toolkit/core/Control.h"

namespace toolkit {

class Panel : public Control {
 public:
  Panel();
  ~Panel() override;

  void paint(Painter& painter, const Rect& rect, const Rect& clip) override;
  Control* hitTest(int32_t x, int32_t y) override;
  const char16_t* typeName() const override;

  // Appends a child; attaches it when the panel is attached to a window.
  Control* addChild(std::unique_ptr<Control> child);
  // Detaches (when attached) and unlinks a child of this panel and hands it back;
  // null when it is not a child of this panel.
  std::unique_ptr<Control> removeChild(Control* child);

  Control* firstChild() const { return first_; }
  Control* lastChild() const { return last_; }
  int32_t childCount() const { return count_; }

 private:
  Control* first_ = nullptr;
  Control* last_ = nullptr;
  int32_t count_ = 0;
};

}  // namespace toolkit
