// A test program that plays a busy camera side: it takes the camera-usage channel's
// lock, signals the named event READY_EVENT, and holds the lock for MILLISECONDS.
//   channelholder.exe READY_EVENT MILLISECONDS
#include <windows.h>

#include <cwchar>

#include "host/CameraChannel.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return 2;
  HANDLE lock = CreateMutexW(nullptr, FALSE, cameraChannel::kLockName);
  HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
  if (!lock || !ready || WaitForSingleObject(lock, 5000) != WAIT_OBJECT_0) return 3;
  SetEvent(ready);
  Sleep(DWORD(std::wcstoul(argv[2], nullptr, 10)));
  ReleaseMutex(lock);
  CloseHandle(ready);
  CloseHandle(lock);
  return 0;
}
