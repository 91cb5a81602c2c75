// scriptrun: runs a Lua file in a script state built like an install job's, for
// trying out and testing the system functions outside the installer.
//
//   scriptrun.exe [--pack PACKFILE] SCRIPT.lua [ARGS...]
//
// The state has the standard libraries, the system functions and, when a pack file
// is given, `extractFile` reading from it. What the script prints goes to the
// debugger output (as in the installer) and to standard output as well. The global
// `arg` holds the script's path at 0 and ARGS from 1, and `require` also looks
// beside the script. Exit code 0 when the script ran without error; otherwise 1 with
// the error text on standard error.
#include <windows.h>

#include <lauxlib.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "jobs/ExtractFile.h"
#include "packs/Pack.h"
#include "script/LuaArgs.h"
#include "script/ScriptState.h"

namespace {

struct Options {
  std::wstring pack;
  std::wstring script;
  int firstArgument = 0;  // index in argv of the script's own first argument
};

bool parse(int argc, wchar_t** argv, Options& options) {
  int i = 1;
  if (i + 1 < argc && std::wstring(argv[i]) == L"--pack") {
    options.pack = argv[i + 1];
    i += 2;
  }
  if (i >= argc) return false;
  options.script = argv[i];
  options.firstArgument = i + 1;
  return true;
}

bool readFile(const std::wstring& path, std::string& bytes) {
  std::ifstream in(path.c_str(), std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// print(text): the system function (the upvalue), then the same text on stdout.
int printBoth(lua_State* L) {
  lua_settop(L, 1);
  lua_pushvalue(L, lua_upvalueindex(1));
  lua_pushvalue(L, 1);
  lua_call(L, 1, 0);  // its argument errors are the script's
  size_t length = 0;
  const char* text = lua_tolstring(L, 1, &length);
  std::fwrite(text, 1, length, stdout);
  std::fflush(stdout);
  return 0;
}

void echoPrint(lua_State* L) {
  lua_getglobal(L, "print");
  lua_pushcclosure(L, printBoth, 1);
  lua_setglobal(L, "print");
}

void setArguments(lua_State* L, int argc, wchar_t** argv, const Options& options) {
  lua_createtable(L, argc - options.firstArgument, 1);
  luaargs::pushString(L, options.script);
  lua_rawseti(L, -2, 0);
  for (int i = options.firstArgument; i < argc; ++i) {
    luaargs::pushString(L, argv[i]);
    lua_rawseti(L, -2, i - options.firstArgument + 1);
  }
  lua_setglobal(L, "arg");
}

// Lets the script `require` modules that sit beside it.
void searchBesideScript(lua_State* L, const std::wstring& script) {
  std::string folder = luaargs::toUtf8(script.substr(0, script.find_last_of(L"\\/") + 1));
  lua_getglobal(L, "package");
  lua_getfield(L, -1, "path");
  std::string path = folder + "?.lua;" + (lua_tostring(L, -1) ? lua_tostring(L, -1) : "");
  lua_pop(L, 1);
  lua_pushstring(L, path.c_str());
  lua_setfield(L, -2, "path");
  lua_pop(L, 1);
}

int fail(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  return 1;
}

int runScript(lua_State* L, const std::string& source, const std::wstring& name) {
  std::string chunkName = "@" + luaargs::toUtf8(name);
  if (luaL_loadbuffer(L, source.data(), source.size(), chunkName.c_str()) != LUA_OK ||
      lua_pcall(L, 0, 0, 0) != LUA_OK) {
    const char* error = lua_tostring(L, -1);
    return fail(error ? error : "(error object is not a string)");
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  if (!parse(argc, argv, options)) return fail("usage: scriptrun [--pack PACKFILE] SCRIPT.lua [ARGS...]");
  std::string source, packBytes;
  if (!readFile(options.script, source)) return fail("cannot read the script");
  if (!options.pack.empty() && !readFile(options.pack, packBytes)) return fail("cannot read the pack");
  Pack pack(reinterpret_cast<const uint8_t*>(packBytes.data()), packBytes.size());

  LuaStatePtr state = newScriptState();
  lua_State* L = state.get();
  if (!L) return fail("cannot create a script state");
  if (!options.pack.empty()) jobs::registerExtractFile(L, &pack);
  echoPrint(L);
  setArguments(L, argc, argv, options);
  searchBesideScript(L, options.script);
  return runScript(L, source, options.script);
}
