// Calls into the host helpers, and the bridges that run script handlers.
#include "script/HostHelpers.h"

#include <lauxlib.h>

#include "script/CallbackErrors.h"
#include "script/LuaArgs.h"

namespace hostHelpers {

const char kWindows[] = "__window";
const char kControls[] = "__control";
const char kTimers[] = "__timer";

void createTables(lua_State* L) {
  lua_newtable(L);
  lua_setfield(L, LUA_REGISTRYINDEX, kWindows);
  lua_newtable(L);
  lua_setfield(L, LUA_REGISTRYINDEX, kTimers);
  lua_createtable(L, 2, 0);  // [1] by control table, [2] by control handle
  lua_newtable(L);
  lua_rawseti(L, -2, 1);
  lua_newtable(L);
  lua_rawseti(L, -2, 2);
  lua_setfield(L, LUA_REGISTRYINDEX, kControls);
}

void call(lua_State* L, const char* name, const char* key, int nargs, int nresults) {
  lua_getglobal(L, name);
  lua_getfield(L, LUA_REGISTRYINDEX, key);
  int first = lua_gettop(L) - nargs - 1;  // move helper and table below the arguments
  lua_insert(L, first);
  lua_insert(L, first);
  lua_call(L, nargs + 1, nresults);
}

namespace {

int32_t handleOf(lua_State* L, int index, const char* helper, const char* key) {
  lua_pushvalue(L, index);
  call(L, helper, key, 1, 1);
  int32_t handle = luaargs::toInt32(L, -1);  // nil gives 0
  lua_pop(L, 1);
  return handle;
}

// The bridges' bodies, run under lua_pcall so that the unprotected helper calls
// inside them cannot unwind into native frames.
int invokeHandlersBody(lua_State* L) {  // control handle, code, wparam, lparam
  if (!pushKnownControl(L, luaargs::toInt32(L, 1))) return 0;
  lua_replace(L, 1);
  lua_pushvalue(L, 1);
  call(L, "lua_queryControlDispatcher", kControls, 1, 1);
  lua_getglobal(L, "lua_invokeHandlers");
  lua_insert(L, -2);
  lua_pushvalue(L, 1);
  lua_pushvalue(L, 2);
  lua_pushvalue(L, 3);
  lua_pushvalue(L, 4);
  lua_call(L, 5, 1);
  lua_pushboolean(L, lua_toboolean(L, -1));
  return 1;
}

int invokeMessageHandlerBody(lua_State* L) {  // window handle, text
  pushWindow(L, luaargs::toInt32(L, 1));
  lua_pushvalue(L, 2);
  call(L, "lua_invokeMessageHandler", kWindows, 2, 1);
  return 1;
}

int onTimerBody(lua_State* L) {  // timer handle
  lua_pushvalue(L, 1);
  call(L, "lua_onTimer", kTimers, 1, 0);
  return 0;
}

}  // namespace

int32_t windowHandleOf(lua_State* L, int index) {
  return handleOf(L, lua_absindex(L, index), "lua_queryWindowHandle", kWindows);
}

int32_t controlHandleOf(lua_State* L, int index) {
  return handleOf(L, lua_absindex(L, index), "lua_queryControlHandle", kControls);
}

void pushWindow(lua_State* L, int32_t handle) {
  luaargs::pushInt32(L, handle);
  call(L, "lua_queryWindow", kWindows, 1, 1);
}

bool pushKnownControl(lua_State* L, int32_t handle) {
  luaargs::pushInt32(L, handle);
  call(L, "lua_queryControl", kControls, 1, 1);
  if (!lua_isnil(L, -1)) return true;
  lua_pop(L, 1);
  return false;
}

bool invokeHandlers(lua_State* L, int32_t control, int32_t code, int32_t wparam, int32_t lparam) {
  lua_pushcfunction(L, invokeHandlersBody);
  luaargs::pushInt32(L, control);
  luaargs::pushInt32(L, code);
  luaargs::pushInt32(L, wparam);
  luaargs::pushInt32(L, lparam);
  if (!callbackErrors::call(L, 4, 1)) return false;
  bool handled = lua_toboolean(L, -1);
  lua_pop(L, 1);
  return handled;
}

int32_t invokeMessageHandler(lua_State* L, int32_t window, const std::string& text) {
  lua_pushcfunction(L, invokeMessageHandlerBody);
  luaargs::pushInt32(L, window);
  lua_pushlstring(L, text.data(), text.size());
  if (!callbackErrors::call(L, 2, 1)) return 0;
  int32_t answer = luaargs::toInt32(L, -1);
  lua_pop(L, 1);
  return answer;
}

void onTimer(lua_State* L, int32_t timer) {
  lua_pushcfunction(L, onTimerBody);
  luaargs::pushInt32(L, timer);
  callbackErrors::call(L, 1, 0);
}

}  // namespace hostHelpers
