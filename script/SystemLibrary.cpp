// Registration of the system functions and the root key numbers, in the order that
// every script state sees them.
#include "script/SystemLibrary.h"

#include <windows.h>

#include <lauxlib.h>

#include <cstdint>

#include "script/LuaArgs.h"
#include "script/SystemFunctions.h"

namespace systemlib {
namespace {

const luaL_Reg kFunctions[] = {
    {"sleep", programs::sleep},
    {"killProcess", process::killProcess},
    {"removeFile", files::removeFile},
    {"moveFile", files::moveFile},
    {"copyFile", files::copyFile},
    {"removeDirectory", files::removeDirectory},
    {"createDirectory", files::createDirectory},
    {"shellExecuteEx", programs::shellExecuteEx},
    {"fileExists", files::fileExists},
    {"print", programs::print},
    {"getAppDataFolder", folders::getAppDataFolder},
    {"getProgramFolder", folders::getProgramFolder},
    {"getTempFolder", folders::getTempFolder},
    {"getDesktopFolder", folders::getDesktopFolder},
    {"getStartMenuFolder", folders::getStartMenuFolder},
    {"createShortCut", programs::createShortCut},
    {"reboot", host::reboot},
    {"volumeExists", files::volumeExists},
    {"directoryEmpty", files::directoryEmpty},
    {"setCurrentDirectory", files::setCurrentDirectory},
    {"isWOW32", version::isWOW32},
    {"isProcessRunning", process::isProcessRunning},
    {"showMessageBox", host::showMessageBox},
    {"getProcessPath", process::getProcessPath},
    {"regQueryString", registry::regQueryString},
    {"regQueryInteger", registry::regQueryInteger},
    {"regWriteString", registry::regWriteString},
    {"regWriteInteger", registry::regWriteInteger},
    {"regDeleteValue", registry::regDeleteValue},
    {"regDeleteSubKey", registry::regDeleteSubKey},
    {"markRestart", host::markRestart},
    {"releaseMutex", host::releaseMutex},
    {"setEnvVar", host::setEnvVar},
    {"isVista", version::isVista},
    {"isWin8", version::isWin8},
    {"getRunningProcess", process::getRunningProcess},
    {"killRunningProcess", process::killRunningProcess},
    {nullptr, nullptr},
};
static_assert(sizeof kFunctions / sizeof kFunctions[0] == 37 + 1, "thirty-seven functions");

struct RootKey {
  const char* name;
  HKEY key;
};
const RootKey kRootKeys[] = {
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKEY_USERS", HKEY_USERS},
};

}  // namespace

void open(lua_State* L) {
  lua_rawgeti(L, LUA_REGISTRYINDEX, LUA_RIDX_GLOBALS);
  luaL_setfuncs(L, kFunctions, 0);
  lua_pop(L, 1);
  for (const RootKey& root : kRootKeys) {
    // The handle value read as a signed 32-bit number, as the 32-bit installer has it.
    luaargs::pushInt32(L, int32_t(reinterpret_cast<intptr_t>(root.key)));
    lua_setglobal(L, root.name);
  }
}

}  // namespace systemlib
