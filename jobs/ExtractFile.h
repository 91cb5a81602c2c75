// Writing one member of the job's pack to a file: the work of the job function
// `extractFile`. It creates no folders; the job script makes them first.
#pragma once

#include <lua.h>

#include <string>

#include "packs/Pack.h"

namespace jobs {

// Reads `member` (a "\" in the name stands for "/") from the pack and writes it to
// `target`, replacing a file there even when it is read-only. True only when the
// member was found and every byte was written. A missing member leaves the target
// untouched.
bool extractFile(const Pack& pack, std::wstring member, const std::wstring& target);

// Registers the global `extractFile(member, target)` → boolean, reading from `pack`,
// which must outlive the script state's use of it.
void registerExtractFile(lua_State* L, const Pack* pack);

}  // namespace jobs
