// The host's side of the host helpers: the Lua functions named lua_... at the top of
// the wizard script that keep the registry tables "__window", "__control" and
// "__timer". The host never indexes those tables itself; it calls the helpers by
// global name with the table as first argument. Calls are unprotected: they run
// inside script functions (whose errors Lua reports) or inside a callback that the
// bridges below run protected.
#pragma once

#include <lua.h>

#include <cstdint>
#include <string>

namespace hostHelpers {

extern const char kWindows[];   // "__window"
extern const char kControls[];  // "__control"
extern const char kTimers[];    // "__timer"

// Creates the three tables in the registry of a new wizard state.
void createTables(lua_State* L);

// Calls helper `name` with the table under `key` and the `nargs` values on top of
// the stack; leaves `nresults` results.
void call(lua_State* L, const char* name, const char* key, int nargs, int nresults);

// Receiver resolution: the handle of the window or control whose table is at
// `index`, or 0 when the table is not (or no longer) registered.
int32_t windowHandleOf(lua_State* L, int index);
int32_t controlHandleOf(lua_State* L, int index);

// Pushes the window's table (nil when unknown).
void pushWindow(lua_State* L, int32_t handle);

// Pushes the control's table and answers true, or pushes nothing and answers false
// when the control has no table yet (the caller then creates one).
bool pushKnownControl(lua_State* L, int32_t handle);

// Event bridge: runs the script handlers that the control subscribed for `code`;
// true when one of them handled the event. A control without a table has no
// handlers. Protected: an error ends the wizard (see callbackErrors).
bool invokeHandlers(lua_State* L, int32_t control, int32_t code, int32_t wparam, int32_t lparam);

// Message bridge: hands a job's progress message (UTF-8) to the message handler of
// the window; its answer, 0 when there is none or the handler failed.
int32_t invokeMessageHandler(lua_State* L, int32_t window, const std::string& text);

// A timer tick: runs the timer's callback, protected.
void onTimer(lua_State* L, int32_t timer);

}  // namespace hostHelpers
