// The job function `extractFile`.
#include "jobs/ExtractFile.h"

#include <windows.h>

#include <algorithm>

#include "base/MallocBuffer.h"
#include "base/WinFiles.h"
#include "base/WinHandles.h"
#include "script/LuaArgs.h"

namespace jobs {
namespace {

bool writeWhole(const std::wstring& target, const uint8_t* data, size_t length) {
  winfiles::clearReadOnly(target.c_str());
  DeleteFileW(target.c_str());
  UniqueFile file(CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
  if (!file || length > MAXDWORD) return false;
  DWORD written = 0;
  return WriteFile(file.get(), data, DWORD(length), &written, nullptr) && written == length;
}

int luaExtractFile(lua_State* L) {
  const auto* pack = static_cast<const Pack*>(lua_touserdata(L, lua_upvalueindex(1)));
  const std::wstring member = luaargs::checkString(L, 1), target = luaargs::checkString(L, 2);
  luaargs::pushBoolean(L, pack && extractFile(*pack, member, target));
  return 1;
}

}  // namespace

bool extractFile(const Pack& pack, std::wstring member, const std::wstring& target) {
  std::replace(member.begin(), member.end(), L'\\', L'/');
  size_t length = 0;
  MallocBuffer data(pack.read(std::u16string(member.begin(), member.end()), &length));
  if (!data) return false;
  return writeWhole(target, data.get(), length);
}

void registerExtractFile(lua_State* L, const Pack* pack) {
  lua_pushlightuserdata(L, const_cast<Pack*>(pack));
  lua_pushcclosure(L, luaExtractFile, 1);
  lua_setglobal(L, "extractFile");
}

}  // namespace jobs
