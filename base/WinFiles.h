// Small file helpers shared by the script functions, the install job, the tests
// and the timed tools. Windows builds only.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace winfiles {

// Clears the read-only attribute of an existing file so that it can be deleted or
// replaced; false when the file has no attributes to read or they cannot be set.
inline bool clearReadOnly(const wchar_t* path) {
  DWORD attributes = GetFileAttributesW(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  if (!(attributes & FILE_ATTRIBUTE_READONLY)) return true;
  attributes &= ~DWORD(FILE_ATTRIBUTE_READONLY);
  return SetFileAttributesW(path, attributes ? attributes : FILE_ATTRIBUTE_NORMAL) != 0;
}

// Deletes a folder with everything in it through the shell, without any dialog;
// for tests and tools that clean up after themselves.
inline void removeTreeQuietly(const std::wstring& folder) {
  std::wstring from = folder + L'\0';  // the shell wants a double-terminated list
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NO_UI;
  SHFileOperationW(&op);
}

}  // namespace winfiles
