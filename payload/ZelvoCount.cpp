// The statistics program as the payload carries it: notes its arguments in
// "talvo-zelvocount.log" in the temporary folder and ends.
#include <windows.h>

#include "StandInLog.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  appendToLog(L"talvo-zelvocount.log", ownArguments());
  return 0;
}
