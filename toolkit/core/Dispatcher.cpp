// The dispatcher window, posting, and the drain at shutdown.
#include "toolkit/core/Dispatcher.h"

#include <memory>

#include "toolkit/core/EventRouter.h"
#include "toolkit/core/LiveControls.h"
#include "toolkit/core/Toolkit.h"

namespace toolkit {
namespace {

// A call in flight: made by the poster, run and freed by the dispatcher window.
struct PostedCall {
  void* target;
  HandlerFn handler;
  Control* sender;
  void* argument;
};

LRESULT CALLBACK dispatcherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != dispatcher::kPostedCall) return DefWindowProcW(window, message, wParam, lParam);
  std::unique_ptr<PostedCall> call(reinterpret_cast<PostedCall*>(wParam));
  if (call && call->handler) call->handler(call->target, call->sender, call->argument);
  return 0;
}

bool registerClass() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &dispatcherProc;
  wc.lpszClassName = dispatcher::kWindowClass;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The posted event's handler: the target is the control, the argument its record.
void raisePosted(void* target, Control*, void* argument) {
  std::unique_ptr<EventArgs> args(static_cast<EventArgs*>(argument));
  auto* control = static_cast<Control*>(target);
  if (!liveControls::contains(control)) return;  // left its window meanwhile
  args->handled = 0;
  raiseEvent(*control, *args);
}

}  // namespace

namespace dispatcher {

HWND createWindow() {
  if (!registerClass()) return nullptr;
  return CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                         nullptr, nullptr);
}

void drainAndDestroy(HWND window) {
  if (!window || !IsWindow(window)) return;
  MSG msg;
  while (PeekMessageW(&msg, window, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  DestroyWindow(window);
}

}  // namespace dispatcher

bool postCall(void* target, HandlerFn handler, Control* sender, void* argument) {
  Lock hold(toolkitLock());
  ToolkitContext* context = toolkitContext();
  if (!context || !context->dispatcherWindow()) return false;
  auto call = std::make_unique<PostedCall>(PostedCall{target, handler, sender, argument});
  if (!PostMessageW(context->dispatcherWindow(), dispatcher::kPostedCall, reinterpret_cast<WPARAM>(call.get()), 0))
    return false;
  call.release();  // the dispatcher window owns it now
  return true;
}

void postEvent(Control& control, const EventArgs& args) {
  auto copy = std::make_unique<EventArgs>(EventArgs{args.code, args.routing, args.wParam, args.lParam, 0});
  if (postCall(&control, &raisePosted, &control, copy.get())) copy.release();
}

}  // namespace toolkit
