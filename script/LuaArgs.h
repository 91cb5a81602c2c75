// How every script function reads its arguments and returns its results: strings
// cross as UTF-8 and are UTF-16 inside (strictly decoded: invalid UTF-8 is the empty
// string), integers follow the 32-bit installer's conversion (nearest, ties to even,
// kept to a signed 32-bit value), and flags are booleans.
#pragma once

#include <lua.h>

#include <cstdint>
#include <string>

namespace luaargs {

// UTF-8 to UTF-16, strictly; invalid text converts to the empty string.
std::wstring toWide(const char* utf8, size_t length);
std::string toUtf8(const std::wstring& text);

// The string argument at `index` (a number is accepted and converted). A missing
// argument or one of any other type raises a Lua argument error.
std::wstring checkString(lua_State* L, int index);

// The integer argument at `index`: numbers and numeric strings round to the nearest
// integer (ties to even) and wrap to 32 bits, as on the 32-bit installer; anything
// else is 0. The same on both Windows targets.
int32_t toInt32(lua_State* L, int index);

bool toBoolean(lua_State* L, int index);

void pushString(lua_State* L, const std::wstring& text);
void pushInt32(lua_State* L, int32_t value);
void pushBoolean(lua_State* L, bool value);

}  // namespace luaargs
