// Attach and detach walks.
#include "toolkit/core/Tree.h"

#include "toolkit/core/EventRouter.h"
#include "toolkit/core/LiveControls.h"
#include "toolkit/core/Panel.h"
#include "toolkit/core/WindowHost.h"

namespace toolkit {
namespace {

void raiseDirect(Control& control, int32_t code) {
  EventArgs args;
  args.code = code;
  args.routing = Direct;
  raiseEvent(control, args);
}

}  // namespace

void setRootWindow(Control& root, WindowHost* window) { root.window_ = window; }

void attach(Control& parent, Control& child) {
  liveControls::add(&child);
  child.window_ = parent.window_;
  int32_t id = 0;
  if (child.window_ && child.getInt(attr::id(), &id)) child.window_->mapId(id, &child);
  raiseDirect(child, Attached);
  if (Panel* panel = child.asPanel())
    for (Control* c = panel->firstChild(); c; c = c->nextSibling()) attach(child, *c);
}

void detach(Control& control) {
  if (Panel* panel = control.asPanel())
    for (Control* c = panel->firstChild(); c; c = c->nextSibling()) detach(*c);
  raiseDirect(control, Detached);
  if (control.window_) control.window_->forget(&control);
  control.window_ = nullptr;
  liveControls::remove(&control);
}

}  // namespace toolkit
