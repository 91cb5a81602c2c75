// The camera-usage channel: a 4 KiB block of named shared memory, guarded by a named
// mutex, in which the product's virtual camera lists the programs that use it as
// "a.exe;b.exe;" (UTF-16, zero-terminated). The installer only reads the block, to
// stop those programs before it replaces the camera driver. Both kernel objects carry
// a low-integrity label so that low-integrity camera users can open them too. Every
// wait for the lock is bounded to 100 ms, so a busy or abandoned channel never
// blocks the installer for long.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace cameraChannel {

constexpr const wchar_t* kLockName = L"C3D94A17-5E20-4B8F-9A61-7D02E8F5B4C1";
constexpr const wchar_t* kBlockName = L"81E6F2A9-0C47-4D3B-B815-E49A26D07F53";
constexpr size_t kBlockBytes = 4096;
constexpr size_t kBlockUnits = kBlockBytes / sizeof(wchar_t);

using Block = wchar_t[kBlockUnits];

// Copies the block into `buffer` (zero-filled by the caller); true when it now holds
// a non-empty list. The last unit is always zero afterwards, so the text is
// terminated even when the block was not.
bool read(Block& buffer);

// The names of a list in list order: the text between ";" separators, empty fields
// skipped, text after the last ";" ignored. Scans at most `units` units.
std::vector<std::wstring> listedNames(const wchar_t* list, size_t units);

// The names that stopListedPrograms stops, in its order: the listed ones from the
// last to the first, then the product's main application "Orbisk.exe".
std::vector<std::wstring> stopOrder(const wchar_t* list, size_t units);

// Stops every program named in the channel, then the main application.
void stopListedPrograms();

// Terminates (exit code 0, no wait) every process whose executable file name equals
// the file part of `nameOrPath`, ignoring letter case. The installer's own process
// and processes of other logon sessions (system services) are never touched.
void stopByName(const std::wstring& nameOrPath);

}  // namespace cameraChannel
