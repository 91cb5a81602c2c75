// Route collection and invocation order for Tunnel, Bubble and Direct events.
#include "toolkit/core/EventRouter.h"

#include "toolkit/core/Control.h"
#include "toolkit/core/LiveControls.h"
#include "toolkit/core/Panel.h"

namespace toolkit {

void RouteBuffer::push(const DelegateRef& d) {
  if (count_ < kInline) inline_[count_] = d;
  else overflow_.push_back(d);
  ++count_;
}

void invokeBuffer(const RouteBuffer& buffer, bool backwards, Control* sender, void* argument,
                  const uint32_t* handled, bool (*keepGoing)(const Control*)) {
  size_t n = buffer.size();
  for (size_t k = 0; k < n; ++k) {
    const DelegateRef& d = buffer[backwards ? n - 1 - k : k];
    if (*handled) return;
    if (keepGoing && !keepGoing(sender)) return;
    if (d->armed()) d->invoke(sender, argument);
  }
}

namespace {

void collect(const Control& control, int32_t code, bool reversed, RouteBuffer& buffer) {
  const std::vector<DelegateRef>* list = control.handlers(code);
  if (!list) return;
  if (reversed) {
    for (auto it = list->rbegin(); it != list->rend(); ++it) buffer.push(*it);
  } else {
    for (const DelegateRef& d : *list) buffer.push(d);
  }
}

}  // namespace

void raiseEvent(Control& target, EventArgs& args) {
  if (!liveControls::contains(&target)) return;
  bool tunnel = args.routing == Tunnel;
  RouteBuffer buffer;
  collect(target, args.code, tunnel, buffer);
  if (args.routing != Direct)
    for (const Control* c = target.parent(); c; c = c->parent()) collect(*c, args.code, tunnel, buffer);
  invokeBuffer(buffer, tunnel, &target, &args, &args.handled, &liveControls::contains);
}

bool raisePreviewThenMain(Control& target, int32_t previewCode, int32_t mainCode, uintptr_t wParam,
                          intptr_t lParam) {
  EventArgs preview{previewCode, Tunnel, wParam, lParam, 0};
  raiseEvent(target, preview);
  if (preview.handled) return true;
  EventArgs main{mainCode, Bubble, wParam, lParam, 0};
  raiseEvent(target, main);
  return main.handled != 0;
}

}  // namespace toolkit
