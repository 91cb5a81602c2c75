// Walking the running processes and comparing file names and paths the way the file
// system does, ignoring letter case. Shared by the script functions that find and
// stop programs and by the camera-usage channel.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <functional>
#include <string>

namespace processes {

// Calls `visit` with each process of a fresh snapshot until it returns false. False
// when no snapshot could be taken.
bool forEach(const std::function<bool(const PROCESSENTRY32W&)>& visit);

// Whole-string comparison ignoring letter case (the system's upper-case mapping).
bool equalIgnoringCase(const std::wstring& a, const std::wstring& b);

}  // namespace processes
