-- Every script state has the thirty-seven system functions and the four root key
-- numbers, and the system `print` replaces the base library's.
local t = require "testlib"
local names = {
  "sleep", "killProcess", "removeFile", "moveFile", "copyFile", "removeDirectory", "createDirectory",
  "shellExecuteEx", "fileExists", "print", "getAppDataFolder", "getProgramFolder", "getTempFolder",
  "getDesktopFolder", "getStartMenuFolder", "createShortCut", "reboot", "volumeExists",
  "directoryEmpty", "setCurrentDirectory", "isWOW32", "isProcessRunning", "showMessageBox",
  "getProcessPath", "regQueryString", "regQueryInteger", "regWriteString", "regWriteInteger",
  "regDeleteValue", "regDeleteSubKey", "markRestart", "releaseMutex", "setEnvVar", "isVista", "isWin8",
  "getRunningProcess", "killRunningProcess",
}
t.eq(#names, 37, "thirty-seven names")
for _, name in ipairs(names) do t.eq(type(_G[name]), "function", name) end

-- The system print takes text only and returns nothing; a table is an argument error.
t.eq(t.count(print("registration: print reaches the debugger output\n")), 0, "print returns nothing")
t.eq((pcall(print, {})), false, "print of a table raises")
-- sleep takes milliseconds and returns nothing.
t.eq(t.count(sleep(1)), 0, "sleep returns nothing")
-- releaseMutex without a guard, twice, is harmless.
releaseMutex()
releaseMutex()
t.finish()
