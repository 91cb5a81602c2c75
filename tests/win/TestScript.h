// A script state as every installer state has it (standard libraries and system
// functions), for tests that drive the system functions from native code.
#pragma once

#include <lauxlib.h>
#include <lua.h>

#include <string>

#include "script/ScriptState.h"

class TestScript {
 public:
  TestScript() : state_(newScriptState()) {}

  // Runs `code` and gives its first result as Lua's tostring would show it ("nil"
  // when there is none), or "error: " followed by the error text.
  std::string run(const std::string& code) {
    lua_State* L = state_.get();
    int top = lua_gettop(L);
    std::string out;
    if (luaL_loadstring(L, code.c_str()) != LUA_OK || lua_pcall(L, 0, 1, 0) != LUA_OK) {
      out = std::string("error: ") + lua_tostring(L, -1);
    } else {
      out = luaL_tolstring(L, -1, nullptr);
    }
    lua_settop(L, top);
    return out;
  }

 private:
  LuaStatePtr state_;
};
