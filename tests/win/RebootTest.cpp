// The restart of the computer, with the system's restart call replaced so that no
// test restarts anything: the shutdown privilege is really enabled in this process's
// token, and a refusal really shows its message box, which the test reads and closes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "MessageBoxWatcher.h"
#include "host/Reboot.h"

namespace {

struct FakeRestart {
  static inline int calls = 0;
  static inline UINT flags = 0;
  static inline DWORD reason = 99;
  static inline BOOL answer = TRUE;
  static inline DWORD error = 0;

  static BOOL WINAPI call(UINT f, DWORD r) {
    ++calls;
    flags = f;
    reason = r;
    SetLastError(error);
    return answer;
  }
};

// Sets the shutdown privilege of this process's token; false when it is not held.
bool setShutdownPrivilege(bool enabled) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = enabled ? SE_PRIVILEGE_ENABLED : 0;
  LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  BOOL adjusted = AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  bool held = adjusted && GetLastError() == ERROR_SUCCESS;
  CloseHandle(token);
  return held;
}

bool shutdownPrivilegeEnabled() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  BYTE buffer[4096];
  DWORD size = 0;
  bool enabled = false;
  LUID shutdown{};
  LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &shutdown);
  if (GetTokenInformation(token, TokenPrivileges, buffer, sizeof buffer, &size)) {
    auto* privileges = reinterpret_cast<TOKEN_PRIVILEGES*>(buffer);
    for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
      const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
      if (p.Luid.LowPart == shutdown.LowPart && p.Luid.HighPart == shutdown.HighPart)
        enabled = (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
  }
  CloseHandle(token);
  return enabled;
}

class Reboot : public testing::Test {
 protected:
  void SetUp() override {
    FakeRestart::calls = 0;
    previous_ = systemRestart::replaceRestartCall(FakeRestart::call);
    ASSERT_TRUE(setShutdownPrivilege(false)) << "the test's token lacks the shutdown privilege";
    ASSERT_FALSE(shutdownPrivilegeEnabled());
  }
  void TearDown() override { systemRestart::replaceRestartCall(previous_); }

 private:
  systemRestart::RestartCall previous_ = nullptr;
};

TEST_F(Reboot, EnablesThePrivilegeAndAsksForAForcedRestart) {
  FakeRestart::answer = TRUE;
  systemRestart::reboot();  // returns at once: no message box
  EXPECT_EQ(FakeRestart::calls, 1);
  EXPECT_EQ(FakeRestart::flags, UINT(EWX_REBOOT | EWX_FORCE));
  EXPECT_EQ(FakeRestart::reason, 0u);
  EXPECT_TRUE(shutdownPrivilegeEnabled());
}

TEST_F(Reboot, ARefusalShowsTheErrorNumberInAMessageBoxWithoutOwner) {
  struct Case {
    DWORD error;
    const wchar_t* text;
  };
  const Case cases[] = {
      {ERROR_PRIVILEGE_NOT_HELD, L"重启电脑失败，原因：1314。 请手动重启电脑。"},
      {0xE0000001, L"重启电脑失败，原因：-536870911。 请手动重启电脑。"},
  };
  for (const Case& c : cases) {
    FakeRestart::answer = FALSE;
    FakeRestart::error = c.error;
    std::thread restart(systemRestart::reboot);
    HWND box = waitForMessageBox(GetCurrentProcessId());
    ASSERT_NE(box, nullptr) << "no message box for error " << c.error;
    EXPECT_EQ(windowText(GetDlgItem(box, 0xFFFF)), c.text);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    restart.join();
    EXPECT_TRUE(shutdownPrivilegeEnabled());
  }
  EXPECT_EQ(FakeRestart::calls, 2);
}

}  // namespace
