// A companion program that is not part of this product's payload yet: it says so.
// Built as the uninstaller and as the bug reporter; NOTICE_TEXT names which.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  MessageBoxW(nullptr, NOTICE_TEXT, L"TalvoMirelle", MB_OK | MB_ICONINFORMATION);
  return 0;
}
