// The device console tool as the payload carries it (DevconExe.exe and
// DevconExe64.exe). It accepts "remove zelvo" and "install <inf> zelvo", notes each
// command line in "talvo-devcon.log" in the temporary folder, and exits with the code
// in the environment variable TALVO_DEVCON_EXIT (default 0), so that tests can play
// a driver that needs a restart (1) or fails (-1).
#include <windows.h>

#include <cwchar>
#include <cstdlib>

#include "StandInLog.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  std::wstring arguments = ownArguments();
  appendToLog(L"talvo-devcon.log", arguments);
  bool known = arguments.rfind(L"remove ", 0) == 0 || arguments.rfind(L"install ", 0) == 0;
  if (!known) return 2;
  wchar_t code[32];
  DWORD n = GetEnvironmentVariableW(L"TALVO_DEVCON_EXIT", code, 32);
  if (n == 0 || n >= 32) return 0;
  return int(std::wcstol(code, nullptr, 10));
}
