// Small file helpers shared by the script functions and the install job. Windows
// builds only.
#pragma once

#include <windows.h>

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

}  // namespace winfiles
