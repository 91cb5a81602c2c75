// Writing and checking the restart marker.
#include "host/RestartMarker.h"

#include <windows.h>

#include <cstdint>
#include <cstring>

#include "base/WinHandles.h"

namespace restartMarker {
namespace {

constexpr DWORD kTimeBytes = 8;
using ShutdownTime = uint8_t[kTimeBytes];

// Reads the system's record of the last shutdown into `time`, which the caller has
// zeroed; when the value cannot be read, the zeros stay.
void readShutdownTime(ShutdownTime& time) {
  UniqueKey key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Windows", 0, KEY_READ,
                    key.out()) != ERROR_SUCCESS) {
    key.release();  // nothing was opened
    return;
  }
  DWORD size = kTimeBytes;
  RegQueryValueExW(key.get(), L"ShutdownTime", nullptr, nullptr, time, &size);
}

bool sameHalves(const ShutdownTime& a, const ShutdownTime& b) {
  return std::memcmp(a, b, 4) == 0 && std::memcmp(a + 4, b + 4, 4) == 0;
}

}  // namespace

std::wstring path() {
  wchar_t folder[MAX_PATH + 1] = L"";
  DWORD length = GetTempPathW(MAX_PATH + 1, folder);
  if (length == 0 || length > MAX_PATH) return {};  // no temporary folder, no marker
  return std::wstring(folder, length) + L"\\orbisk_restart";
}

void mark() {
  const std::wstring marker = path();
  if (marker.empty()) return;
  UniqueFile file(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file) {
    ShutdownTime time = {};
    readShutdownTime(time);
    DWORD written = 0;
    WriteFile(file.get(), time, kTimeBytes, &written, nullptr);
  }
  MoveFileExW(marker.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

bool restartPending() {
  const std::wstring marker = path();
  if (marker.empty() || GetFileAttributesW(marker.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  UniqueFile file(CreateFileW(marker.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  bool pending = false;
  if (file) {
    ShutdownTime recorded = {};
    DWORD read = 0;
    if (ReadFile(file.get(), recorded, kTimeBytes, &read, nullptr) && read == kTimeBytes) {
      ShutdownTime current = {};
      readShutdownTime(current);
      pending = sameHalves(recorded, current);
    }
  }
  file.reset();  // closed before the delete
  if (!pending) DeleteFileW(marker.c_str());
  return pending;
}

}  // namespace restartMarker
