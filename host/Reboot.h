// Restarting the computer after a driver operation asked for it: enable the shutdown
// privilege, ask the system to restart, and tell the user when that is refused.
#pragma once

#include <windows.h>

namespace systemRestart {

// Restarts the computer (forcing programs to close) and returns at once; when the
// privilege cannot be obtained or the system refuses, shows why in a message box
// without owner and returns after the user has closed it.
void reboot();

// The call that finally asks the system to restart, ExitWindowsEx unless replaced.
// Tests replace it so that a test never restarts the machine; returns the previous.
using RestartCall = BOOL(WINAPI*)(UINT flags, DWORD reason);
RestartCall replaceRestartCall(RestartCall call);

}  // namespace systemRestart
