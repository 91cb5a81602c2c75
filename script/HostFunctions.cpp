// Script functions that reach the installer itself and its surroundings: message
// boxes without owner, environment variables for programs started later, the
// installer guard, and the restart marker and restart of the computer.
#include <windows.h>

#include "host/InstallerGuard.h"
#include "host/Reboot.h"
#include "host/RestartMarker.h"
#include "script/LuaArgs.h"
#include "script/SystemFunctions.h"

namespace systemlib::host {

using namespace luaargs;

// showMessageBox(text, caption, style) → the button code.
int showMessageBox(lua_State* L) {
  const std::wstring text = checkString(L, 1), caption = checkString(L, 2);
  pushInt32(L, MessageBoxW(nullptr, text.c_str(), caption.c_str(), UINT(toInt32(L, 3))));
  return 1;
}

int setEnvVar(lua_State* L) {
  const std::wstring name = checkString(L, 1), value = checkString(L, 2);
  SetEnvironmentVariableW(name.c_str(), value.c_str());
  return 0;
}

int releaseMutex(lua_State*) {
  installerGuard::release();
  return 0;
}

int markRestart(lua_State*) {
  restartMarker::mark();
  return 0;
}

int reboot(lua_State*) {
  systemRestart::reboot();
  return 0;
}

}  // namespace systemlib::host
