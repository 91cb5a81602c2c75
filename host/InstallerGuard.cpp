// The guard mutex and its release.
#include "host/InstallerGuard.h"

#include <windows.h>

namespace installerGuard {
namespace {
HANDLE guard = nullptr;
}

Outcome acquire() {
  HANDLE mutex = CreateMutexW(nullptr, TRUE, L"Global\\TALVOINSTALLER");
  if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return Outcome::AnotherCopyRuns;
  }
  guard = mutex;
  return Outcome::Held;
}

void release() {
  if (!guard) return;
  CloseHandle(guard);
  guard = nullptr;
}

}  // namespace installerGuard
