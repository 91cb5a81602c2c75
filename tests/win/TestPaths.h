// Where the Windows tests find the programs built beside them.
#pragma once

#include <windows.h>

#include <string>

inline std::wstring besideThisProgram(const wchar_t* file) {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dir(path, n);
  return dir.substr(0, dir.find_last_of(L'\\') + 1) + file;
}
