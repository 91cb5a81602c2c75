// Opening, reading and acting on the camera-usage channel.
#include "host/CameraChannel.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <cstring>

#include "base/WinHandles.h"
#include "host/Processes.h"

namespace cameraChannel {
namespace {

constexpr DWORD kLockWaitMs = 100;

// The handles of one read; everything is released when it goes out of scope.
struct OpenChannel {
  UniqueHandle lock;
  UniqueHandle mapping;
  UniqueView view;
  size_t size = 0;
};

// Marks a kernel object low-integrity with no write-up, so that low-integrity
// programs may use it. Systems without integrity levels refuse; nothing else changes.
void applyLowIntegrityLabel(HANDLE object) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"S:(ML;;NW;;;LW)", SDDL_REVISION_1,
                                                            &descriptor, nullptr))
    return;
  PACL sacl = nullptr;
  BOOL present = FALSE, defaulted = FALSE;
  if (GetSecurityDescriptorSacl(descriptor, &present, &sacl, &defaulted) && present)
    SetSecurityInfo(object, SE_KERNEL_OBJECT, LABEL_SECURITY_INFORMATION, nullptr, nullptr, nullptr, sacl);
  LocalFree(descriptor);
}

bool takeLock(HANDLE lock) {
  DWORD outcome = WaitForSingleObject(lock, kLockWaitMs);
  return outcome == WAIT_OBJECT_0 || outcome == WAIT_ABANDONED;
}

bool open(OpenChannel& channel) {
  if (channel.view) return true;
  channel.lock.reset(CreateMutexW(nullptr, FALSE, kLockName));
  if (!channel.lock) return false;
  applyLowIntegrityLabel(channel.lock.get());
  if (WaitForSingleObject(channel.lock.get(), kLockWaitMs) == WAIT_TIMEOUT) {
    channel.lock.reset();
    return false;
  }
  channel.mapping.reset(
      CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kBlockBytes, kBlockName));
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  if (channel.mapping) {
    if (!existed) applyLowIntegrityLabel(channel.mapping.get());
    channel.view.reset(MapViewOfFile(channel.mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, kBlockBytes));
  }
  if (!channel.view) {
    ReleaseMutex(channel.lock.get());
    channel.view.reset();
    channel.mapping.reset();
    channel.lock.reset();
    return false;
  }
  if (!existed) std::memset(channel.view.get(), 0, kBlockBytes);
  channel.size = kBlockBytes;
  ReleaseMutex(channel.lock.get());
  return true;
}

std::wstring filePart(const std::wstring& nameOrPath) {
  size_t slash = nameOrPath.find_last_of(L"\\/");
  return slash == std::wstring::npos ? nameOrPath : nameOrPath.substr(slash + 1);
}

bool inThisSession(DWORD processId) {
  DWORD ours = 0, theirs = 0;
  return ProcessIdToSessionId(GetCurrentProcessId(), &ours) &&
         ProcessIdToSessionId(processId, &theirs) && ours == theirs;
}

}  // namespace

bool read(Block& buffer) {
  OpenChannel channel;
  if (!open(channel)) return false;
  if (channel.size >= kBlockBytes && takeLock(channel.lock.get())) {
    std::memcpy(buffer, channel.view.get(), kBlockBytes);
    ReleaseMutex(channel.lock.get());
  }
  buffer[kBlockUnits - 1] = L'\0';
  return buffer[0] != L'\0';
}

std::vector<std::wstring> listedNames(const wchar_t* list, size_t units) {
  std::vector<std::wstring> names;
  size_t start = 0;
  for (size_t i = 0; i < units && list[i] != L'\0'; ++i) {
    if (list[i] != L';') continue;
    if (i > start) names.emplace_back(list + start, i - start);
    start = i + 1;
  }
  return names;
}

std::vector<std::wstring> stopOrder(const wchar_t* list, size_t units) {
  std::vector<std::wstring> names = listedNames(list, units);
  std::reverse(names.begin(), names.end());
  names.emplace_back(L"Orbisk.exe");
  return names;
}

void stopListedPrograms() {
  Block buffer = {};
  read(buffer);  // without a list the buffer stays empty
  std::vector<std::wstring> names = stopOrder(buffer, kBlockUnits);
  for (size_t i = 0; i < names.size(); ++i) {
    if (i + 1 < names.size()) OutputDebugStringW(names[i].c_str());  // the listed ones
    stopByName(names[i]);
  }
}

void stopByName(const std::wstring& nameOrPath) {
  const std::wstring name = filePart(nameOrPath);
  OutputDebugStringW(name.c_str());
  const DWORD self = GetCurrentProcessId();
  processes::forEach([&](const PROCESSENTRY32W& entry) {
    if (entry.th32ProcessID == self || !processes::equalIgnoringCase(entry.szExeFile, name) ||
        !inThisSession(entry.th32ProcessID))
      return true;
    UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
    if (process) TerminateProcess(process.get(), 0);
    return true;
  });
}

}  // namespace cameraChannel
