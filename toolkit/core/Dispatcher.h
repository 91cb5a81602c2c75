// The dispatcher: a hidden window of the UI thread through which any thread has a
// call run later on the UI thread, from whatever message loop is running then, in
// the order the calls were posted. Posted events (the deferred Click of a button)
// travel this way too.
#pragma once

#include <windows.h>

#include "toolkit/core/Delegate.h"
#include "toolkit/core/EventArgs.h"

namespace toolkit {

class Control;

namespace dispatcher {

constexpr wchar_t kWindowClass[] = L"Dispatcher_Heron124";
// The message that carries a posted call: the first user message number + 1.
constexpr UINT kPostedCall = WM_USER + 1;

// Registers the class (once per process) and creates the hidden window; null when
// that failed. Called by toolkit start.
HWND createWindow();
// Runs every call still queued for the window, then destroys it. Called by toolkit
// shutdown after the context is gone, so that nothing new can be posted.
void drainAndDestroy(HWND window);

}  // namespace dispatcher

// Has handler(target, sender, argument) run on the UI thread. Any thread. False
// (and nothing will run) when the toolkit is not started or the post failed; the
// caller still owns whatever `argument` points to then.
bool postCall(void* target, HandlerFn handler, Control* sender, void* argument);

// Raises a copy of the event (handled cleared) on the control later, on the UI
// thread, if the control is still attached to a window then. Any thread.
void postEvent(Control& control, const EventArgs& args);

}  // namespace toolkit
