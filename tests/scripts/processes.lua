-- Starting programs with and without waiting, and finding and stopping running
-- programs by the full path of their main module.
local t = require "testlib"
local dir = t.scratch("processes")
local helper = t.program("exitwith.exe")

-- Waiting: (true, exit code), the code as a signed 32-bit number.
for _, case in ipairs({{"0", 0}, {"3", 3}, {"255", 255}, {"2147483648", -2147483648}, {"4294967295", -1}}) do
  local results = table.pack(shellExecuteEx(helper, case[1], "open", 0, 64))
  t.eq(results.n, 2, "results when waiting for exit code " .. case[1])
  t.eq(results[1], true, "started " .. case[1])
  t.eq(results[2], case[2], "exit code " .. case[1])
end

-- Not waiting: (true) at once, while the program still runs.
local results = table.pack(shellExecuteEx(helper, "0 20000", "open", 0, 0))
t.eq(results.n, 1, "one result without waiting")
t.eq(results[1], true, "started without waiting")
t.ok(t.waitFor(function() return isProcessRunning(helper) end, 5000), "the program runs")

-- A missing file: (false), without any dialog (a dialog would hang this test).
results = table.pack(shellExecuteEx(dir .. "\\no-such-program.exe", "", "open", 0, 64))
t.eq(results.n, 1, "one result for a missing file")
t.eq(results[1], false, "a missing file does not start")

-- Paths match in any letter case, but only as a whole path: a copy elsewhere with
-- the same file name is a different program.
local copy = dir .. "\\exitwith.exe"
t.eq(copyFile(helper, copy), true, "copy of the helper")
t.eq(shellExecuteEx(copy, "0 20000", "open", 0, 0), true, "copy started")
t.ok(t.waitFor(function() return isProcessRunning(copy) end, 5000), "the copy runs")
for _, path in ipairs({helper:upper(), helper:lower()}) do
  t.eq(isProcessRunning(path), true, "isProcessRunning " .. path)
end
t.eq(t.count(isProcessRunning(dir .. "\\exitwith.ex")), 0, "a prefix of the path is no match")
t.eq(t.count(isProcessRunning(dir .. "\\nothing.exe")), 0, "no match returns nothing, not false")

killProcess(helper:upper())
t.eq(isProcessRunning(helper), nil, "killProcess stopped the program, compared in other letter case")
t.eq(isProcessRunning(copy), true, "the copy elsewhere still runs")

-- Every matching process is stopped, not only the first.
shellExecuteEx(copy, "0 20000", "open", 0, 0)
t.ok(t.waitFor(function()
  return isProcessRunning(copy)
end, 5000), "second copy runs")
killProcess(copy:lower())
t.eq(isProcessRunning(copy), nil, "all copies stopped")

-- setEnvVar: programs started afterwards inherit the variable.
setEnvVar("TALVO_TEST_CODE", "37")
t.eq(t.run(t.systemProgram("cmd.exe"), "/c exit %TALVO_TEST_CODE%"), 37, "inherited variable")

-- setCurrentDirectory: programs started afterwards run in that folder.
t.writeFile(dir .. "\\marker.txt", "x")
setCurrentDirectory(dir)
t.eq(t.run(t.systemProgram("cmd.exe"), "/c if exist marker.txt (exit 5) else (exit 6)"), 5,
     "program started in the current folder")
setCurrentDirectory(getTempFolder())

-- getProcessPath: this program's own executable.
t.ok(getProcessPath():lower():match("\\scriptrun%.exe$"), "getProcessPath " .. tostring(getProcessPath()))

removeDirectory(dir)
t.finish()
