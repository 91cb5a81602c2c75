// Install jobs: a script run on a worker thread with a script state of its own, so
// that the wizard stays responsive while files are written. The wizard starts one
// with `startWork`; the job reads its files from a pack of the resources, reports to
// the wizard with `notifyMessage` (which waits for the answer) and writes files with
// `extractFile`. One job runs at a time.
#pragma once

#include <lua.h>

#include <string>

namespace LuaWork {

// startWork(script name, pack name, configuration text): starts a job unless one
// runs already. Arguments that are not text start nothing. No results.
int startWork(lua_State* L);

// The same from native code; false when no job was started.
bool start(const std::wstring& scriptName, const std::wstring& packName, const std::string& configuration);

// Whether a job has been started and has not finished its script yet.
bool running();

// notifyMessage(text) → the wizard's answer (job states only).
int notifyMessage(lua_State* L);

}  // namespace LuaWork
