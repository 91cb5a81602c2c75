// Script functions that tell which Windows the installer runs on, as Windows reports
// it to this program (a program without a newer compatibility entry in its manifest
// is told 6.2 on every later version), and whether the system is 32-bit.
#include <windows.h>

#include "script/LuaArgs.h"
#include "script/SystemFunctions.h"

namespace systemlib::version {
namespace {

static_assert(sizeof(OSVERSIONINFOW) == 276, "the version structure the system expects");

// The reported version when the system is of the NT family; false otherwise.
bool ntVersion(OSVERSIONINFOW& info) {
  info = OSVERSIONINFOW{};
  info.dwOSVersionInfoSize = sizeof info;
  return GetVersionExW(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace

int isVista(lua_State* L) {
  OSVERSIONINFOW info;
  luaargs::pushBoolean(L, ntVersion(info) && info.dwMajorVersion > 5);
  return 1;
}

int isWin8(lua_State* L) {
  OSVERSIONINFOW info;
  luaargs::pushBoolean(L, ntVersion(info) && info.dwMajorVersion > 5 && info.dwMinorVersion > 1);
  return 1;
}

// True on 32-bit Windows, which has no folder for 32-bit programs beside 64-bit ones.
int isWOW32(lua_State* L) {
  wchar_t folder[MAX_PATH];
  bool missing = GetSystemWow64DirectoryW(folder, MAX_PATH) == 0 && GetLastError() == ERROR_CALL_NOT_IMPLEMENTED;
  luaargs::pushBoolean(L, missing);
  return 1;
}

}  // namespace systemlib::version
