-- The Windows version as Windows reports it to the program. Wine lets each program
-- be told another version; a child scriptrun is started under each and reports what
-- isVista and isWin8 said as its exit code.
local t = require "testlib"
local dir = t.scratch("version")
local probe = dir .. "\\probe.lua"
t.writeFile(probe, "os.exit((isVista() and 1 or 0) + (isWin8() and 2 or 0))")

t.eq(isWOW32(), false, "isWOW32 on 64-bit Windows")

local settings = "Software\\Wine\\AppDefaults\\scriptrun.exe"
for _, case in ipairs({{"winxp64", false, false}, {"vista", true, false}, {"win7", true, false},
                       {"win8", true, true}, {"win81", true, true}}) do
  regWriteString(HKEY_CURRENT_USER, settings, "Version", case[1])
  local code = t.run(getProcessPath(), '"' .. probe .. '"')
  t.eq(code, (case[2] and 1 or 0) + (case[3] and 2 or 0), "isVista/isWin8 as " .. case[1])
end
regDeleteSubKey(HKEY_CURRENT_USER, settings)

removeDirectory(dir)
t.finish()
