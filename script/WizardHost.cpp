// Creating the wizard state and running the wizard script in it.
#include "script/WizardHost.h"

#include <windows.h>

#include <cstdlib>

#include <lauxlib.h>

#include "base/MallocBuffer.h"
#include "script/CallbackErrors.h"
#include "script/HostHelpers.h"
#include "script/LuaArgs.h"
#include "script/ScriptState.h"

namespace wizardHost {
namespace {

LuaStatePtr wizard;

void reportError(lua_State* L) {
  size_t length = 0;
  const char* message = lua_tolstring(L, -1, &length);
  std::wstring text = message ? luaargs::toWide(message, length) : std::wstring();
  MessageBoxW(nullptr, text.c_str(), L"错误", MB_OK);
}

// Loads and calls the script; false with the error on the stack when either fails,
// including an error that a callback left behind.
bool loadAndCall(lua_State* L, const char* script) {
  // The chunk name is the script text, so messages name the chunk by its first line.
  if (luaL_loadstring(L, script) != LUA_OK) return false;
  if (lua_pcall(L, 0, LUA_MULTRET, 0) != LUA_OK) return false;
  return !callbackErrors::pushPending(L);
}

}  // namespace

lua_State* state() { return wizard.get(); }

bool create(const luaL_Reg* wizardFunctions) {
  LuaStatePtr L = newScriptState();
  if (!L) return false;
  if (wizardFunctions) {
    lua_rawgeti(L.get(), LUA_REGISTRYINDEX, LUA_RIDX_GLOBALS);
    luaL_setfuncs(L.get(), wizardFunctions, 0);
    lua_pop(L.get(), 1);
  }
  hostHelpers::createTables(L.get());
  wizard = std::move(L);
  return true;
}

void run(FileSystem& files, const std::u16string& name) {
  lua_State* L = wizard.get();
  if (!L) return;
  MallocBuffer script(files.read(name, nullptr));  // zero-terminated by the read
  if (script) {
    int top = lua_gettop(L);
    if (!loadAndCall(L, reinterpret_cast<const char*>(script.get()))) reportError(L);
    lua_settop(L, top);
  }
  callbackErrors::reset(L);
  wizard.reset();
}

}  // namespace wizardHost
