// A test program that other tests start, find and stop:
//   exitwith.exe CODE [MILLISECONDS]
// waits MILLISECONDS (default 0), then ends with exit code CODE (0 to 4294967295).
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  unsigned long code = argc > 1 ? std::wcstoul(argv[1], nullptr, 10) : 0;
  unsigned long wait = argc > 2 ? std::wcstoul(argv[2], nullptr, 10) : 0;
  Sleep(DWORD(wait));
  ExitProcess(UINT(code));
}
