// Errors in script callbacks. Native code calls into the wizard script from window
// procedures, timer procedures and hooks, with the system's own frames (and its
// message loops) between the callback and the script's protected call. A Lua error
// must never unwind through those frames, so each callback runs protected; the first
// error is kept, every running message loop is ended with WM_QUIT, and the error is
// raised again on the Lua side once the loop has returned to the script function
// that ran it, and from there reaches the wizard's protected call as usual.
// Used on the UI thread with the wizard state only.
#pragma once

#include <lua.h>

namespace callbackErrors {

// lua_pcall of the function and `nargs` arguments on the stack. False when it
// failed, or when an earlier callback failed and the script is already ending (the
// function and arguments are then popped and no results are pushed).
bool call(lua_State* L, int nargs, int nresults);

// Whether a callback error waits to be raised.
bool pending();

// Pushes the waiting error and forgets it; false (nothing pushed) when none waits.
bool pushPending(lua_State* L);

// Raises the waiting error in L (does not return), or returns when none waits.
// Script functions that run a message loop call it once the loop is over.
void raisePending(lua_State* L);

// Forgets a waiting error (when the state closes) and the quit request it made.
void reset(lua_State* L);

}  // namespace callbackErrors
