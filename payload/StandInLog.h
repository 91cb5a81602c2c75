// The stand-in tools note each start in a log file in the temporary folder, so that
// tests can check which command lines the installer used.
#pragma once

#include <windows.h>

#include <string>

// Appends one line (UTF-8) to the named log in the temporary folder.
inline void appendToLog(const wchar_t* logName, const std::wstring& line) {
  wchar_t folder[MAX_PATH];
  if (!GetTempPathW(MAX_PATH, folder)) return;
  std::wstring path = std::wstring(folder) + logName;
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  std::wstring text = line + L"\r\n";
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(size_t(bytes > 0 ? bytes : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), utf8.data(), bytes, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(file, utf8.data(), DWORD(utf8.size()), &written, nullptr);
  CloseHandle(file);
}

// The arguments of this process: its command line without the program name.
inline std::wstring ownArguments() {
  const wchar_t* line = GetCommandLineW();
  bool quoted = false;
  for (; *line && (quoted || (*line != L' ' && *line != L'\t')); ++line)
    if (*line == L'"') quoted = !quoted;
  while (*line == L' ' || *line == L'\t') ++line;
  return line;
}
