// Script functions on files and folders: existence, creation of folder paths,
// deletion (files and whole trees), copying, moving and a few folder queries.
#include <windows.h>
#include <shlwapi.h>

#include <io.h>

#include <algorithm>

#include "base/WinFiles.h"
#include "base/WinHandles.h"
#include "script/LuaArgs.h"
#include "script/SystemFunctions.h"

namespace systemlib::files {
namespace {

using namespace luaargs;

bool exists(const std::wstring& path) { return _waccess(path.c_str(), 0) == 0; }

// Deletes the folder's files and subfolders, then the folder. Read-only files stay,
// and so does every folder above them. A link to a folder elsewhere (junction or
// symbolic link) is removed as a link; what it points to is never entered.
void removeTree(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  UniqueFind search(FindFirstFileW((path + L"\\*").c_str(), &entry));
  for (bool more = bool(search); more; more = FindNextFileW(search.get(), &entry)) {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring child = path + L"\\" + name;
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW(child.c_str());
    else if (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) RemoveDirectoryW(child.c_str());
    else removeTree(child);
  }
  search.reset();
  RemoveDirectoryW(path.c_str());
}

}  // namespace

int fileExists(lua_State* L) {
  pushBoolean(L, exists(checkString(L, 1)));
  return 1;
}

// Creates each prefix of the path in turn, separators normalised and empty
// components dropped; failures (an existing folder, a drive root) are ignored.
int createDirectory(lua_State* L) {
  std::wstring path = checkString(L, 1);
  std::replace(path.begin(), path.end(), L'/', L'\\');
  std::wstring prefix;
  for (size_t start = 0; start <= path.size();) {
    size_t end = std::min(path.find(L'\\', start), path.size());
    if (end > start) {
      prefix.append(path, start, end - start).push_back(L'\\');
      CreateDirectoryW(prefix.c_str(), nullptr);
    }
    start = end + 1;
  }
  pushBoolean(L, true);
  return 1;
}

int removeFile(lua_State* L) {
  const std::wstring path = checkString(L, 1);
  winfiles::clearReadOnly(path.c_str());
  pushBoolean(L, DeleteFileW(path.c_str()) != 0);
  return 1;
}

int removeDirectory(lua_State* L) {
  removeTree(checkString(L, 1));
  return 0;
}

int copyFile(lua_State* L) {
  const std::wstring from = checkString(L, 1), to = checkString(L, 2);
  pushBoolean(L, CopyFileW(from.c_str(), to.c_str(), FALSE) != 0);
  return 1;
}

int moveFile(lua_State* L) {
  const std::wstring from = checkString(L, 1), to = checkString(L, 2);
  pushBoolean(L, MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != 0);
  return 1;
}

int directoryEmpty(lua_State* L) {
  const std::wstring path = checkString(L, 1);
  pushBoolean(L, !exists(path) || PathIsDirectoryEmptyW(path.c_str()));
  return 1;
}

int volumeExists(lua_State* L) {
  pushBoolean(L, GetDriveTypeW(checkString(L, 1).c_str()) == DRIVE_FIXED);
  return 1;
}

int setCurrentDirectory(lua_State* L) {
  SetCurrentDirectoryW(checkString(L, 1).c_str());
  return 0;
}

}  // namespace systemlib::files
