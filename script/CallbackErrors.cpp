// Keeping the first callback error and raising it again where Lua can unwind.
#include "script/CallbackErrors.h"

#include <windows.h>

#include <lauxlib.h>

namespace callbackErrors {
namespace {
int pendingRef = LUA_NOREF;  // the error value, kept in the registry
}

bool call(lua_State* L, int nargs, int nresults) {
  if (pendingRef != LUA_NOREF) {
    lua_pop(L, nargs + 1);
    return false;
  }
  if (lua_pcall(L, nargs, nresults, 0) == LUA_OK) return true;
  pendingRef = luaL_ref(L, LUA_REGISTRYINDEX);
  PostQuitMessage(0);  // ends the modal loops, the system's included
  return false;
}

bool pending() { return pendingRef != LUA_NOREF; }

bool pushPending(lua_State* L) {
  if (pendingRef == LUA_NOREF) return false;
  lua_rawgeti(L, LUA_REGISTRYINDEX, pendingRef);
  reset(L);
  return true;
}

void raisePending(lua_State* L) {
  if (pushPending(L)) lua_error(L);
}

void reset(lua_State* L) {
  if (pendingRef == LUA_NOREF) return;
  luaL_unref(L, LUA_REGISTRYINDEX, pendingRef);
  pendingRef = LUA_NOREF;
  // The quit request has done its work once the loops are over; left in place it
  // would close the very message box that reports the error.
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace callbackErrors
