// The installer as a process: it runs once at a time, answers a second start with a
// notice, and always ends with exit code 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "MessageBoxWatcher.h"
#include "TestPaths.h"

namespace {

const wchar_t kGuardName[] = L"Global\\TALVOINSTALLER";

std::wstring installerPath() { return besideThisProgram(L"TalvoMirelleSetup.exe"); }

// One started installer; killed if a test leaves it running.
class Installer {
 public:
  Installer() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + installerPath() + L"\"";
    started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &info_);
  }
  ~Installer() {
    if (!started_) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  bool started() const { return started_; }
  DWORD id() const { return info_.dwProcessId; }

  // The exit code, or STILL_ACTIVE when it did not end within the time.
  DWORD waitForExit(DWORD milliseconds = 30000) const {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0)
      GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

bool guardExists() {
  HANDLE guard = OpenMutexW(SYNCHRONIZE, FALSE, kGuardName);
  if (guard) CloseHandle(guard);
  return guard != nullptr;
}

TEST(InstallerGuard, LoneRunEndsWithZeroAndLeavesNoGuardBehind) {
  Installer installer;
  ASSERT_TRUE(installer.started());
  EXPECT_EQ(installer.waitForExit(), 0u);
  EXPECT_FALSE(guardExists());
}

TEST(InstallerGuard, SecondCopyShowsTheNoticeAndEndsWithZero) {
  // This test plays the first copy: it holds the guard while a second one starts.
  HANDLE first = CreateMutexW(nullptr, TRUE, kGuardName);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));

  Installer second;
  ASSERT_TRUE(second.started());
  HWND box = waitForMessageBox(second.id());
  ASSERT_NE(box, nullptr) << "no message box appeared";
  EXPECT_EQ(windowText(box), L"提示");
  EXPECT_EQ(windowText(GetDlgItem(box, 0xFFFF)), L"检测到Talvo安装或卸载程序正在运行，请结束后重试。");
  EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
  EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(second.waitForExit(), 0u);

  // The first copy is undisturbed: it still owns the guard, which still exists.
  EXPECT_EQ(WaitForSingleObject(first, 0), DWORD(WAIT_OBJECT_0));  // owner may re-enter
  ReleaseMutex(first);
  EXPECT_TRUE(guardExists());
  ReleaseMutex(first);
  CloseHandle(first);
  EXPECT_FALSE(guardExists());
}

}  // namespace
