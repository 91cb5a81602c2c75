// A script state with the standard libraries and the system functions, as the
// installer's states have them, for tests that drive the functions from native code.
#pragma once

#include <lauxlib.h>
#include <lua.h>
#include <lualib.h>

#include <string>

#include "script/SystemLibrary.h"

class ScriptState {
 public:
  ScriptState() : L_(luaL_newstate()) {
    luaL_openlibs(L_);
    systemlib::open(L_);
  }
  ~ScriptState() { lua_close(L_); }
  ScriptState(const ScriptState&) = delete;
  ScriptState& operator=(const ScriptState&) = delete;

  // Runs `code` and gives its first result as Lua's tostring would show it ("nil"
  // when there is none), or "error: " followed by the error text.
  std::string run(const std::string& code) {
    int top = lua_gettop(L_);
    std::string out;
    if (luaL_loadstring(L_, code.c_str()) != LUA_OK || lua_pcall(L_, 0, 1, 0) != LUA_OK) {
      out = std::string("error: ") + lua_tostring(L_, -1);
    } else {
      out = luaL_tolstring(L_, -1, nullptr);
    }
    lua_settop(L_, top);
    return out;
  }

  lua_State* get() const { return L_; }

 private:
  lua_State* L_;
};
