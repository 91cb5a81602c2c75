// Script functions that find and stop running programs by the full path of their
// main module, name the installer's own executable, and reach the camera-usage
// channel (the programs that use the product's virtual camera).
#include <windows.h>
#include <psapi.h>

#include "base/WinHandles.h"
#include "host/CameraChannel.h"
#include "host/Processes.h"
#include "script/LuaArgs.h"
#include "script/SystemFunctions.h"

namespace systemlib::process {
namespace {

using namespace luaargs;

constexpr DWORD kTerminateWaitMs = 10000;
constexpr UINT kKilledExitCode = UINT(-8);

// The full path of a process's main module; empty when it cannot be read.
std::wstring mainModulePath(HANDLE process) {
  wchar_t path[MAX_PATH] = L"";
  DWORD length = GetModuleFileNameExW(process, nullptr, path, MAX_PATH);
  return std::wstring(path, length);
}

// Calls `found` with an open handle (with `access`) of each process whose main module
// is `path`, until it returns false.
template <typename Found>
void forEachRunning(const std::wstring& path, DWORD access, Found found) {
  ::processes::forEach([&](const PROCESSENTRY32W& entry) {
    UniqueHandle process(OpenProcess(access, FALSE, entry.th32ProcessID));
    if (!process) return true;
    const std::wstring module = mainModulePath(process.get());
    if (module.empty() || !::processes::equalIgnoringCase(module, path)) return true;
    return found(process.get());
  });
}

}  // namespace

// Terminates every process with that main module (exit code -8), waiting up to ten
// seconds for each to end.
int killProcess(lua_State* L) {
  const DWORD access = SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | PROCESS_TERMINATE;
  forEachRunning(checkString(L, 1), access, [](HANDLE process) {
    if (TerminateProcess(process, kKilledExitCode)) WaitForSingleObject(process, kTerminateWaitMs);
    return true;
  });
  return 0;
}

// true when a process with that main module runs; otherwise nothing (nil).
int isProcessRunning(lua_State* L) {
  bool running = false;
  forEachRunning(checkString(L, 1), PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, [&](HANDLE) {
    running = true;
    return false;
  });
  if (!running) return 0;
  pushBoolean(L, true);
  return 1;
}

int getProcessPath(lua_State* L) {
  wchar_t path[MAX_PATH] = L"";
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 0;
  pushString(L, std::wstring(path, length));
  return 1;
}

// The channel's list ("a.exe;b.exe;"), or nothing when it is empty or unreadable.
int getRunningProcess(lua_State* L) {
  cameraChannel::Block buffer = {};
  if (!cameraChannel::read(buffer)) return 0;
  pushString(L, buffer);
  return 1;
}

int killRunningProcess(lua_State*) {
  cameraChannel::stopListedPrograms();
  return 0;
}

}  // namespace systemlib::process
