// The installer's entry point. It takes no command line, and the process exit code
// is 0 on every path.
#include <windows.h>

#include "host/Installer.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return installer::run(); }
