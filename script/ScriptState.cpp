// Creating the states that scripts run in.
#include "script/ScriptState.h"

#include <lauxlib.h>
#include <lualib.h>

#include "script/SystemLibrary.h"

void LuaStateCloser::operator()(lua_State* L) const { lua_close(L); }

LuaStatePtr newScriptState() {
  LuaStatePtr state(luaL_newstate());
  if (!state) return state;
  luaL_openlibs(state.get());
  systemlib::open(state.get());
  return state;
}
