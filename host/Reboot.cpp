// The restart of the computer and its failure messages.
#include "host/Reboot.h"

#include <cwchar>

#include "base/WinHandles.h"

namespace systemRestart {
namespace {

RestartCall restartCall = ExitWindowsEx;

void tellUser(const wchar_t* text) { MessageBoxW(nullptr, text, nullptr, MB_OK); }

void enableShutdownPrivilege(HANDLE token) {
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
}

}  // namespace

void reboot() {
  UniqueHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.out())) {
    tellUser(L"重启电脑失败，原因：提升权限失败。请手动重启电脑。");
    return;
  }
  enableShutdownPrivilege(token.get());
  if (restartCall(EWX_REBOOT | EWX_FORCE, 0)) return;
  wchar_t text[128];
  std::swprintf(text, 128, L"重启电脑失败，原因：%d。 请手动重启电脑。", int(GetLastError()));
  tellUser(text);
}

RestartCall replaceRestartCall(RestartCall call) {
  RestartCall previous = restartCall;
  restartCall = call;
  return previous;
}

}  // namespace systemRestart
