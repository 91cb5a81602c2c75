// Argument and result conversions shared by all script functions.
#include "script/LuaArgs.h"

#include <windows.h>

#include <lauxlib.h>

#include <cmath>

namespace luaargs {

std::wstring toWide(const char* utf8, size_t length) {
  if (length == 0 || length > INT_MAX) return {};
  int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, int(length), nullptr, 0);
  if (units <= 0) return {};
  std::wstring text(size_t(units), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, int(length), text.data(), units);
  return text;
}

std::string toUtf8(const std::wstring& text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string out(size_t(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), bytes, nullptr, nullptr);
  return out;
}

std::wstring checkString(lua_State* L, int index) {
  size_t length = 0;
  const char* utf8 = luaL_checklstring(L, index, &length);
  return toWide(utf8, length);
}

int32_t toInt32(lua_State* L, int index) {
  int isNumber = 0;
  lua_Number n = lua_tonumberx(L, index, &isNumber);
  if (!isNumber) return 0;
  double rounded = std::nearbyint(n);  // the default rounding mode: nearest, ties to even
  if (!(std::fabs(rounded) < 9223372036854775808.0)) return INT32_MIN;  // x86's "invalid" value
  return int32_t(uint32_t(uint64_t(int64_t(rounded))));
}

bool toBoolean(lua_State* L, int index) { return lua_toboolean(L, index) != 0; }

void pushString(lua_State* L, const std::wstring& text) {
  std::string utf8 = toUtf8(text);
  lua_pushlstring(L, utf8.data(), utf8.size());
}

void pushInt32(lua_State* L, int32_t value) { lua_pushnumber(L, lua_Number(value)); }

void pushBoolean(lua_State* L, bool value) { lua_pushboolean(L, value ? 1 : 0); }

}  // namespace luaargs
