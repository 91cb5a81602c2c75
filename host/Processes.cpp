// Process snapshots and case-insensitive name comparison.
#include "host/Processes.h"

#include "base/WinHandles.h"

namespace processes {
namespace {

std::wstring upper(std::wstring text) {
  if (!text.empty()) CharUpperBuffW(text.data(), DWORD(text.size()));
  return text;
}

}  // namespace

bool forEach(const std::function<bool(const PROCESSENTRY32W&)>& visit) {
  UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    if (!visit(entry)) break;
  }
  return true;
}

bool equalIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() && upper(a) == upper(b);
}

}  // namespace processes
