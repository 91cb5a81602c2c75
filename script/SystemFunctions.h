// The system functions, grouped by topic; each topic lives in its own file and
// SystemLibrary.cpp registers them all in their fixed order. Every function follows
// the argument and result conventions of LuaArgs.h and raises no error of its own
// (a missing string argument is an argument error).
#pragma once

#include <lua.h>

namespace systemlib {

namespace files {  // FileFunctions.cpp
int fileExists(lua_State* L);
int createDirectory(lua_State* L);
int removeFile(lua_State* L);
int removeDirectory(lua_State* L);
int copyFile(lua_State* L);
int moveFile(lua_State* L);
int directoryEmpty(lua_State* L);
int volumeExists(lua_State* L);
int setCurrentDirectory(lua_State* L);
}  // namespace files

namespace folders {  // FolderFunctions.cpp
int getAppDataFolder(lua_State* L);
int getProgramFolder(lua_State* L);
int getTempFolder(lua_State* L);
int getDesktopFolder(lua_State* L);
int getStartMenuFolder(lua_State* L);
}  // namespace folders

namespace programs {  // ProgramFunctions.cpp
int createShortCut(lua_State* L);
int shellExecuteEx(lua_State* L);
int print(lua_State* L);
int sleep(lua_State* L);
}  // namespace programs

namespace registry {  // RegistryFunctions.cpp
int regQueryString(lua_State* L);
int regQueryInteger(lua_State* L);
int regWriteString(lua_State* L);
int regWriteInteger(lua_State* L);
int regDeleteValue(lua_State* L);
int regDeleteSubKey(lua_State* L);
}  // namespace registry

namespace process {  // ProcessFunctions.cpp
int killProcess(lua_State* L);
int isProcessRunning(lua_State* L);
int getProcessPath(lua_State* L);
int getRunningProcess(lua_State* L);
int killRunningProcess(lua_State* L);
}  // namespace process

namespace version {  // VersionFunctions.cpp
int isVista(lua_State* L);
int isWin8(lua_State* L);
int isWOW32(lua_State* L);
}  // namespace version

namespace host {  // HostFunctions.cpp
int showMessageBox(lua_State* L);
int setEnvVar(lua_State* L);
int releaseMutex(lua_State* L);
int markRestart(lua_State* L);
int reboot(lua_State* L);
}  // namespace host

}  // namespace systemlib
