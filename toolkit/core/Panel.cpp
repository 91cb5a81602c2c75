// Child list, ownership, paint order and hit-test order of panels.
#include "toolkit/core/Panel.h"

#include "toolkit/core/LiveControls.h"
#include "toolkit/core/Painter.h"
#include "toolkit/core/Tree.h"

namespace toolkit {

Panel::Panel() { setState(HasChildren, true); }

Panel::~Panel() {
  // Deleting does not detach: the window detaches its tree before deleting it.
  while (Control* child = last_) {
    last_ = child->previous_;
    if (last_) last_->next_ = nullptr;
    child->parent_ = nullptr;
    child->previous_ = nullptr;
    --count_;
    std::unique_ptr<Control> owned(child);
  }
  first_ = nullptr;
}

const char16_t* Panel::typeName() const { return u"Panel"; }

Control* Panel::addChild(std::unique_ptr<Control> owned) {
  Control* child = owned.release();
  child->parent_ = this;
  child->previous_ = last_;
  child->next_ = nullptr;
  if (last_) last_->next_ = child;
  else first_ = child;
  last_ = child;
  ++count_;
  if (liveControls::contains(this)) attach(*this, *child);
  return child;
}

std::unique_ptr<Control> Panel::removeChild(Control* child) {
  if (!child || child->parent_ != this) return nullptr;
  if (liveControls::contains(this)) detach(*child);
  if (child->previous_) child->previous_->next_ = child->next_;
  else first_ = child->next_;
  if (child->next_) child->next_->previous_ = child->previous_;
  else last_ = child->previous_;
  child->parent_ = nullptr;
  child->previous_ = nullptr;
  child->next_ = nullptr;
  --count_;
  return std::unique_ptr<Control>(child);
}

Control* Panel::hitTest(int32_t x, int32_t y) {
  if (!Control::hitTest(x, y)) return nullptr;
  int32_t px = x - rect().left;
  int32_t py = y - rect().top;
  for (Control* c = last_; c; c = c->previousSibling())
    if (Control* hit = c->hitTest(px, py)) return hit;
  return this;
}

void Panel::paint(Painter& painter, const Rect& r, const Rect& clip) {
  Control::paint(painter, r, clip);
  for (Control* c = first_; c; c = c->nextSibling()) {
    if (!c->has(Visible)) continue;
    Rect childRect = c->rect().offset(r.left, r.top);
    Rect childClip = childRect.intersect(clip);
    if (childClip.isEmpty()) continue;
    painter.save();
    painter.clipTo(childClip);
    c->paint(painter, childRect, childClip);
    painter.restore();
  }
}

}  // namespace toolkit
