// The wizard script host: the one state that runs the wizard script "UI.lua" on the
// UI thread. Native callbacks (control events, window destruction, progress
// messages) reach the wizard only through state(), never through a state stored in
// a native object, so they find nothing once the wizard has ended.
#pragma once

#include <lauxlib.h>
#include <lua.h>

#include <string>

#include "packs/FileSystem.h"

namespace wizardHost {

// The wizard state while the wizard script runs, else null.
lua_State* state();

// Creates the wizard state: standard libraries, system functions, the wizard's own
// functions (`createWindow`, `startWork`: a null-terminated table, given by the
// host that knows those units) and the host's registry tables. False when no state
// can be made.
bool create(const luaL_Reg* wizardFunctions = nullptr);

// Runs the script file to its end and closes the state. A load or run error, also
// one raised in a callback, is shown in a message box captioned "错误".
void run(FileSystem& files, const std::u16string& name);

}  // namespace wizardHost
