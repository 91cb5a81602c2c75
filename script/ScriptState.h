// A new script state with what every state has: the standard libraries and the
// system functions (so the host's print replaces the base library's).
#pragma once

#include <lua.h>

#include <memory>

struct LuaStateCloser {
  void operator()(lua_State* L) const;
};
using LuaStatePtr = std::unique_ptr<lua_State, LuaStateCloser>;

// Null only when the state cannot be allocated.
LuaStatePtr newScriptState();
