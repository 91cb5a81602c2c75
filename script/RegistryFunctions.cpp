// Script functions on the registry. Every key is opened or created with full access
// in the 32-bit registry view, where the 32-bit installer reads and writes, so the
// 64-bit build of the same code touches the same keys. Reads return nothing on any
// failure; writes and deletions report nothing.
#ifdef _WIN64
// The 64-bit build runs only where 64-bit Windows exists, which has the registry
// tree calls used below.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#endif
#include <windows.h>
#include <shlwapi.h>

#include <cstdint>

#include "base/WinHandles.h"
#include "script/LuaArgs.h"
#include "script/SystemFunctions.h"

namespace systemlib::registry {
namespace {

using namespace luaargs;

#ifdef _WIN64
constexpr REGSAM kAccess = KEY_ALL_ACCESS | KEY_WOW64_32KEY;
#else
constexpr REGSAM kAccess = KEY_ALL_ACCESS;
#endif

constexpr DWORD kStringBytes = 260;

// The root argument: a root key number as the scripts hold it (the handle value as
// a signed 32-bit number) or any other key handle, passed on as it comes.
HKEY rootArgument(lua_State* L) { return reinterpret_cast<HKEY>(intptr_t(toInt32(L, 1))); }

UniqueKey openKey(HKEY root, const std::wstring& subkey) {
  UniqueKey key;
  if (RegOpenKeyExW(root, subkey.c_str(), 0, kAccess, key.out()) != ERROR_SUCCESS) key.release();
  return key;
}

UniqueKey createKey(HKEY root, const std::wstring& subkey) {
  UniqueKey key;
  if (RegCreateKeyExW(root, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr,
                      key.out(), nullptr) != ERROR_SUCCESS)
    key.release();  // nothing was opened
  return key;
}

// Reads a value of the expected type into `data`; `size` is the buffer's size on
// entry and the bytes returned on success.
bool queryValue(lua_State* L, DWORD expectedType, BYTE* data, DWORD& size) {
  UniqueKey key = openKey(rootArgument(L), checkString(L, 2));
  const std::wstring name = checkString(L, 3);
  DWORD type = REG_NONE;
  return key && RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, data, &size) == ERROR_SUCCESS &&
         type == expectedType;
}

void writeValue(lua_State* L, DWORD type, const BYTE* data, DWORD size) {
  UniqueKey key = createKey(rootArgument(L), checkString(L, 2));
  const std::wstring name = checkString(L, 3);
  if (key) RegSetValueExW(key.get(), name.c_str(), 0, type, data, size);
}

}  // namespace

// The text of a REG_SZ value of at most 260 bytes. A value stored without its
// terminating zero is read only as far as the data returned.
int regQueryString(lua_State* L) {
  wchar_t data[kStringBytes / sizeof(wchar_t)];
  DWORD size = kStringBytes;
  if (!queryValue(L, REG_SZ, reinterpret_cast<BYTE*>(data), size)) return 0;
  std::wstring text(data, size / sizeof(wchar_t));
  text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
  pushString(L, text);
  return 1;
}

int regQueryInteger(lua_State* L) {
  DWORD value = 0, size = sizeof value;
  if (!queryValue(L, REG_DWORD, reinterpret_cast<BYTE*>(&value), size)) return 0;
  pushInt32(L, int32_t(value));
  return 1;
}

int regWriteString(lua_State* L) {
  const std::wstring text = checkString(L, 4);
  writeValue(L, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), DWORD((text.size() + 1) * sizeof(wchar_t)));
  return 0;
}

int regWriteInteger(lua_State* L) {
  const DWORD value = DWORD(toInt32(L, 4));
  writeValue(L, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  return 0;
}

int regDeleteValue(lua_State* L) {
  UniqueKey key = openKey(rootArgument(L), checkString(L, 2));
  const std::wstring name = checkString(L, 3);
  if (key) RegDeleteValueW(key.get(), name.c_str());
  return 0;
}

// Deletes the key with everything below it. An empty key path (also what invalid
// UTF-8 converts to) would name the root itself and empty a whole hive, so it
// deletes nothing. SHDeleteKeyW knows no registry view, so the 64-bit build empties
// the key through a handle opened in the 32-bit view and then deletes it there.
int regDeleteSubKey(lua_State* L) {
  const HKEY root = rootArgument(L);
  const std::wstring subkey = checkString(L, 2);
  if (subkey.empty()) return 0;
#ifdef _WIN64
  UniqueKey key = openKey(root, subkey);
  if (!key) return 0;
  RegDeleteTreeW(key.get(), nullptr);
  key.reset();
  RegDeleteKeyExW(root, subkey.c_str(), KEY_WOW64_32KEY, 0);
#else
  SHDeleteKeyW(root, subkey.c_str());
#endif
  return 0;
}

}  // namespace systemlib::registry
