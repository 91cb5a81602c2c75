// Script functions that name the special folders the installer writes into: the
// user's application data, program files, the all-users desktop and Start menu, and
// the temporary folder. Each returns nothing when the system cannot say.
#include <windows.h>
#include <shlobj.h>

#include "script/LuaArgs.h"
#include "script/SystemFunctions.h"

namespace systemlib::folders {
namespace {

// The folder without a trailing separator, created when missing.
int pushSpecialFolder(lua_State* L, int csidl) {
  wchar_t path[MAX_PATH] = L"";
  if (!SHGetSpecialFolderPathW(nullptr, path, csidl, TRUE)) return 0;
  luaargs::pushString(L, path);
  return 1;
}

}  // namespace

int getAppDataFolder(lua_State* L) { return pushSpecialFolder(L, CSIDL_APPDATA); }
int getProgramFolder(lua_State* L) { return pushSpecialFolder(L, CSIDL_PROGRAM_FILES); }
int getDesktopFolder(lua_State* L) { return pushSpecialFolder(L, CSIDL_COMMON_DESKTOPDIRECTORY); }
int getStartMenuFolder(lua_State* L) { return pushSpecialFolder(L, CSIDL_COMMON_PROGRAMS); }

// The temporary folder, ending with a separator.
int getTempFolder(lua_State* L) {
  wchar_t path[MAX_PATH] = L"";
  DWORD length = GetTempPathW(MAX_PATH, path);
  if (length == 0 || length >= MAX_PATH) return 0;
  luaargs::pushString(L, std::wstring(path, length));
  return 1;
}

}  // namespace systemlib::folders
