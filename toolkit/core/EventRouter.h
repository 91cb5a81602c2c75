// Delivering an event to the handlers on its route. The handlers are collected
// first, so handlers may add or remove handlers or destroy controls while the event
// is delivered: added ones do not run in this dispatch, removed and destroyed ones
// are disarmed and skipped, and the dispatch ends when its target leaves its window.
#pragma once

#include <cstddef>
#include <vector>

#include "toolkit/core/Delegate.h"
#include "toolkit/core/EventArgs.h"

namespace toolkit {

class Control;

// The references collected for one dispatch: sixteen on the stack, which covers
// every route in practice, and the rest on the heap so that no handler is lost.
class RouteBuffer {
 public:
  static constexpr size_t kInline = 16;
  void push(const DelegateRef& d);
  size_t size() const { return count_; }
  const DelegateRef& operator[](size_t i) const { return i < kInline ? inline_[i] : overflow_[i - kInline]; }

 private:
  DelegateRef inline_[kInline];
  std::vector<DelegateRef> overflow_;
  size_t count_ = 0;
};

// Runs the buffer forwards (or backwards), stopping once *handled is non-zero or
// `keepGoing` (when given) says the dispatch has lost its target.
void invokeBuffer(const RouteBuffer& buffer, bool backwards, Control* sender, void* argument,
                  const uint32_t* handled, bool (*keepGoing)(const Control*));

// Dispatches now; the raiser reads args.handled afterwards. Nothing happens for a
// control that is not attached to a window.
void raiseEvent(Control& target, EventArgs& args);

// Raises a preview event (Tunnel) and, when no handler handled it, the main event
// (Bubble) with the same parameters. True when either was handled.
bool raisePreviewThenMain(Control& target, int32_t previewCode, int32_t mainCode, uintptr_t wParam,
                          intptr_t lParam);

}  // namespace toolkit
