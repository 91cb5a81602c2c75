// Script functions that start programs and make shortcuts to them, and the two small
// utilities `print` (to the debugger output) and `sleep`.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "base/WinHandles.h"
#include "script/LuaArgs.h"
#include "script/SystemFunctions.h"

namespace systemlib::programs {
namespace {

using namespace luaargs;

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOW) == 60, "the 32-bit installer's structure size");
#endif

// Saves a shell link at `link` pointing to `target`; true when the last call made
// (creation, interface query or save) succeeded.
bool saveShortcut(const std::wstring& target, const std::wstring& link) {
  IShellLinkW* shellLink = nullptr;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                    reinterpret_cast<void**>(&shellLink));
  if (FAILED(result)) return false;
  shellLink->SetPath(target.c_str());
  IPersistFile* file = nullptr;
  result = shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(result)) {
    result = file->Save(link.c_str(), TRUE);
    file->Release();
  }
  shellLink->Release();
  return SUCCEEDED(result);
}

// Waits for a started program and pushes its exit code; nothing when there is no
// process handle (the shell handed the request to a running program).
int pushExitCode(lua_State* L, HANDLE process) {
  UniqueHandle owned(process);
  if (!owned) return 0;
  WaitForSingleObject(process, INFINITE);
  DWORD code = 0;
  if (!GetExitCodeProcess(process, &code)) return 0;
  pushInt32(L, int32_t(code));
  return 1;
}

}  // namespace

int createShortCut(lua_State* L) {
  const std::wstring target = checkString(L, 1), link = checkString(L, 2);
  CoInitialize(nullptr);
  bool saved = saveShortcut(target, link);
  CoUninitialize();
  pushBoolean(L, saved);
  return 1;
}

// shellExecuteEx(file, parameters, verb, show, mask): (false), (true) or, when the
// mask asks for the process, (true, exit code) after the program has ended.
int shellExecuteEx(lua_State* L) {
  const std::wstring file = checkString(L, 1), parameters = checkString(L, 2), verb = checkString(L, 3);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = ULONG(toInt32(L, 5)) | SEE_MASK_FLAG_NO_UI;
  info.lpVerb = verb.c_str();
  info.lpFile = file.c_str();
  info.lpParameters = parameters.c_str();
  info.nShow = toInt32(L, 4);
  if (!ShellExecuteExW(&info)) {
    pushBoolean(L, false);
    return 1;
  }
  pushBoolean(L, true);
  if (!(info.fMask & SEE_MASK_NOCLOSEPROCESS)) return 1;
  return 1 + pushExitCode(L, info.hProcess);
}

int print(lua_State* L) {
  OutputDebugStringW(checkString(L, 1).c_str());
  return 0;
}

int sleep(lua_State* L) {
  Sleep(DWORD(toInt32(L, 1)));
  return 0;
}

}  // namespace systemlib::programs
