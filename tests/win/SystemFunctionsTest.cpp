// System functions whose effects a script cannot see for itself: the exit code of a
// program that killProcess stopped, registry strings stored without their
// terminating zero and the registry view, message boxes and the installer guard.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "MessageBoxWatcher.h"
#include "TestScript.h"
#include "TestPaths.h"
#include "host/InstallerGuard.h"

namespace {

std::string utf8(const std::wstring& text) {
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), bytes, nullptr, nullptr);
  return out;
}

// Lua source for a string literal holding a Windows path.
std::string luaLiteral(const std::wstring& path) {
  std::string out = "'";
  for (char c : utf8(path)) out += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return out + "'";
}

TEST(KillProcess, EndsEveryMatchWithExitCodeMinus8AndWaitsForIt) {
  const std::wstring helper = besideThisProgram(L"exitwith.exe");
  std::wstring command = L"\"" + helper + L"\" 0 30000";
  PROCESS_INFORMATION info[2]{};
  for (PROCESS_INFORMATION& p : info) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &p));
  }
  TestScript script;
  std::wstring lower = helper;
  CharLowerBuffW(lower.data(), DWORD(lower.size()));
  // Wait until the loader has made the main module readable.
  std::string running;
  for (int i = 0; i < 100 && running != "true"; ++i, Sleep(50))
    running = script.run("return isProcessRunning(" + luaLiteral(lower) + ")");
  ASSERT_EQ(running, "true");

  script.run("killProcess(" + luaLiteral(lower) + ")");
  for (PROCESS_INFORMATION& p : info) {
    EXPECT_EQ(WaitForSingleObject(p.hProcess, 0), WAIT_OBJECT_0) << "killProcess returned before the end";
    DWORD code = 0;
    GetExitCodeProcess(p.hProcess, &code);
    EXPECT_EQ(code, DWORD(-8));
    CloseHandle(p.hThread);
    CloseHandle(p.hProcess);
  }
}

class RawRegistryStrings : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TalvoRawStrings", 0, nullptr, 0,
                              KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &key_, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegDeleteKeyExW(HKEY_CURRENT_USER, L"Software\\TalvoRawStrings", KEY_WOW64_32KEY, 0);
  }
  void set(const wchar_t* name, const void* data, DWORD bytes) {
    RegSetValueExW(key_, name, 0, REG_SZ, static_cast<const BYTE*>(data), bytes);
  }
  std::string query(const char* name) {
    return script_.run(std::string("return regQueryString(HKEY_CURRENT_USER, 'Software\\\\TalvoRawStrings', '") +
                       name + "')");
  }

 private:
  HKEY key_ = nullptr;
  TestScript script_;
};

TEST_F(RawRegistryStrings, AreReadOnlyAsFarAsTheDataReturned) {
  const std::wstring full(129, L'z');  // fills the 260-byte buffer with its terminator
  set(L"full", full.c_str(), 260);
  set(L"abc", L"abc", 6);
  set(L"odd", L"abcd", 7);
  set(L"inner", L"ab\0cd", 10);
  set(L"empty", L"", 0);
  set(L"long", std::wstring(131, L'y').data(), 262);
  // Each read follows one that left the buffer full of 'z': nothing of it may show.
  const struct {
    const char* name;
    std::string text;
  } cases[] = {{"abc", "abc"}, {"odd", "abc"},
               {"inner", "ab"}, {"empty", ""}, {"long", "nil"}};
  for (const auto& c : cases) {
    ASSERT_EQ(query("full"), std::string(129, 'z'));
    EXPECT_EQ(query(c.name), c.text) << c.name;
  }
}

TEST(RegistryView, KeysOfThe32BitInstallerLandUnderWow6432Node) {
  TestScript script;
  script.run("regWriteInteger(HKEY_LOCAL_MACHINE, 'Software\\\\TalvoViewTest', 'n', 7)");
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\TalvoViewTest", 0,
                          KEY_READ | KEY_WOW64_64KEY, &key),
            ERROR_SUCCESS);
  DWORD value = 0, size = sizeof value;
  EXPECT_EQ(RegQueryValueExW(key, L"n", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size), ERROR_SUCCESS);
  EXPECT_EQ(value, 7u);
  RegCloseKey(key);
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\TalvoViewTest", 0, KEY_READ | KEY_WOW64_64KEY, &key),
            ERROR_SUCCESS);
  script.run("regDeleteSubKey(HKEY_LOCAL_MACHINE, 'Software\\\\TalvoViewTest')");
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\TalvoViewTest", 0,
                          KEY_READ | KEY_WOW64_64KEY, &key),
            ERROR_SUCCESS);
}

TEST(ShowMessageBox, HasNoOwnerAndReturnsTheButtonPressed) {
  struct Case {
    const char* style;
    int button;
    const char* result;
  };
  const Case cases[] = {{"0", IDOK, "1"}, {"4", IDNO, "7"}, {"4", IDYES, "6"}, {"1", IDCANCEL, "2"}};
  for (const Case& c : cases) {
    std::string result;
    std::thread caller([&] {
      TestScript script;
      result = script.run(std::string("return showMessageBox('\xE4\xB8\xAD text', 'caption', ") + c.style + ")");
    });
    HWND box = waitForMessageBox(GetCurrentProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(windowText(box), L"caption");
    EXPECT_EQ(windowText(GetDlgItem(box, 0xFFFF)), L"\u4E2D text");
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    PostMessageW(box, WM_COMMAND, WPARAM(c.button), 0);
    caller.join();
    EXPECT_EQ(result, c.result) << "style " << c.style;
  }
}

TEST(ReleaseMutex, ClosesTheInstallerGuardOnceAndThenDoesNothing) {
  ASSERT_EQ(installerGuard::acquire(), installerGuard::Outcome::Held);
  auto guardExists = [] {
    HANDLE guard = OpenMutexW(SYNCHRONIZE, FALSE, L"Global\\TALVOINSTALLER");
    if (guard) CloseHandle(guard);
    return guard != nullptr;
  };
  ASSERT_TRUE(guardExists());
  TestScript script;
  EXPECT_EQ(script.run("releaseMutex() return releaseMutex()"), "nil");
  EXPECT_FALSE(guardExists());
}

}  // namespace
