// The system functions that every script state has, the wizard's and each job's:
// files, folders, programs, registry, processes, Windows version and restart.
#pragma once

#include <lua.h>

namespace systemlib {

// Registers the thirty-seven functions into the global table, then the four HKEY_
// numbers. Runs after the standard libraries are opened, so `print` replaces the
// base library's.
void open(lua_State* L);

}  // namespace systemlib
