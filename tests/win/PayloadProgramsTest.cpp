// The stand-in programs of the payload behave as the install job and the wizard
// expect of the real ones: the device console and statistics tools note their
// command lines and answer with the exit codes tests ask for, the components
// register with regsvr32, and the application opens its window.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "MessageBoxWatcher.h"
#include "TestPaths.h"

namespace {

std::wstring tempFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + name;
}

std::string readAll(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs a command line and returns its exit code (STILL_ACTIVE if it hangs).
DWORD runAndWait(std::wstring command, DWORD milliseconds = 20000) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return DWORD(-2);
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(info.hProcess, milliseconds) == WAIT_OBJECT_0) GetExitCodeProcess(info.hProcess, &code);
  else TerminateProcess(info.hProcess, 99);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return code;
}

std::wstring inQuotes(const std::wstring& path) { return L"\"" + path + L"\""; }

struct DevconCase {
  const wchar_t* exitVariable;  // null: not set
  const wchar_t* arguments;
  DWORD expected;
};

TEST(PayloadPrograms, DeviceConsoleNotesItsCommandAndAnswersTheAskedCode) {
  const DevconCase cases[] = {
      {nullptr, L"remove zelvo", 0},
      {L"1", L"remove zelvo", 1},
      {L"-1", L"install \"C:\\Program Files\\TalvoMirelle\\zelvo.inf\" zelvo", DWORD(-1)},
      {L"0", L"frobnicate", 2},
  };
  std::wstring log = tempFile(L"talvo-devcon.log");
  DeleteFileW(log.c_str());
  std::string expectedLog;
  for (const DevconCase& c : cases) {
    SetEnvironmentVariableW(L"TALVO_DEVCON_EXIT", c.exitVariable);
    EXPECT_EQ(runAndWait(inQuotes(besideThisProgram(L"payload\\DevconStandIn.exe")) + L" " + c.arguments), c.expected)
        << c.arguments;
    std::wstring line = std::wstring(c.arguments) + L"\r\n";
    expectedLog += std::string(line.begin(), line.end());
  }
  SetEnvironmentVariableW(L"TALVO_DEVCON_EXIT", nullptr);
  EXPECT_EQ(readAll(log), expectedLog);
}

TEST(PayloadPrograms, StatisticsToolNotesItsArguments) {
  std::wstring log = tempFile(L"talvo-zelvocount.log");
  DeleteFileW(log.c_str());
  EXPECT_EQ(runAndWait(inQuotes(besideThisProgram(L"payload\\ZelvoCount.exe")) + L" app install 2.0.0.66"), 0u);
  EXPECT_EQ(readAll(log), "app install 2.0.0.66\r\n");
}

// regsvr32 registers the component's class under its own id, and removes it again.
TEST(PayloadPrograms, ComponentsRegisterAndUnregisterWithRegsvr32) {
  const std::pair<const wchar_t*, const wchar_t*> components[] = {
      {L"payload\\Zelvo.ax", L"CLSID\\{7E5B2C90-1F3A-4D6C-B8E4-2A9C0F6D1B53}\\InprocServer32"},
      {L"payload\\kodumper.dll", L"CLSID\\{A3C1F0B2-6D4E-4B1A-9E27-5F8D0C3B7A41}\\InprocServer32"},
  };
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  std::wstring regsvr32 = inQuotes(std::wstring(system) + L"\\regsvr32.exe");
  for (const auto& [file, key] : components) {
    std::wstring path = besideThisProgram(file);
    ASSERT_EQ(runAndWait(regsvr32 + L" /s " + inQuotes(path)), 0u) << file;
    wchar_t registered[MAX_PATH] = L"";
    DWORD size = sizeof registered;
    ASSERT_EQ(RegGetValueW(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr, registered, &size), ERROR_SUCCESS)
        << file;
    EXPECT_EQ(lstrcmpiW(registered, path.c_str()), 0) << file;

    ASSERT_EQ(runAndWait(regsvr32 + L" /s /u " + inQuotes(path)), 0u) << file;
    HKEY gone = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, key, 0, KEY_READ, &gone), ERROR_FILE_NOT_FOUND) << file;
  }
}

TEST(PayloadPrograms, ApplicationOpensItsWindow) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::wstring command = inQuotes(besideThisProgram(L"payload\\Orbisk.exe")) + L" talvo://room/42";
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
  HWND window = nullptr;
  for (int i = 0; i < 200 && !window; ++i) {
    Sleep(50);
    window = FindWindowW(L"OrbiskMainWindow", L"TalvoMirelle");
  }
  ASSERT_NE(window, nullptr);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  EXPECT_EQ(owner, info.dwProcessId);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), DWORD(WAIT_OBJECT_0));
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
}

TEST(PayloadPrograms, CompanionsSayTheyAreNotAvailableYet) {
  for (const wchar_t* program : {L"payload\\unins000.exe", L"payload\\TalvoBugReport.exe"}) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring command = inQuotes(besideThisProgram(program));
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
    HWND box = waitForMessageBox(info.dwProcessId);
    ASSERT_NE(box, nullptr) << program;
    EXPECT_NE(windowText(GetDlgItem(box, 0xFFFF)).find(L"not available yet"), std::wstring::npos) << program;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), DWORD(WAIT_OBJECT_0));
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
}

}  // namespace
