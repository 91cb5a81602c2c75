-- extractFile against the test pack (tests/scripts/pack): member names with either
-- separator, absent members, read-only and locked targets.
local t = require "testlib"
local dir = t.scratch("extract")
local target = dir .. "\\out.fxd"

-- "\" in the member name stands for "/".
for _, name in ipairs({"Effect\\bg\\bg1.fxd", "Effect/bg/bg1.fxd"}) do
  removeFile(target)
  t.eq(extractFile(name, target), true, "extractFile " .. name)
  t.eq(t.readFile(target), "background one\n", "content of " .. name)
end
t.eq(extractFile("readme.txt", dir .. "\\readme.txt"), true, "top-level member")
t.eq(t.readFile(dir .. "\\readme.txt"), "top level member\n", "top-level content")

-- An absent member leaves the target untouched; names are exact.
for _, name in ipairs({"missing.txt", "README.TXT", "effect\\bg\\bg1.fxd", ""}) do
  t.eq(extractFile(name, target), false, "absent member " .. name)
  t.eq(t.readFile(target), "background one\n", "target untouched by " .. name)
end

-- A read-only target is replaced.
t.writeFile(dir .. "\\ro.txt", "old and longer than the member")
t.eq(t.run(t.systemProgram("attrib.exe"), '+r "' .. dir .. '\\ro.txt"'), 0, "attrib +r")
t.eq(extractFile("readme.txt", dir .. "\\ro.txt"), true, "extract over a read-only file")
t.eq(t.readFile(dir .. "\\ro.txt"), "top level member\n", "read-only target replaced")

-- A target held open elsewhere is not replaced.
local held = assert(io.open(dir .. "\\readme.txt", "rb"))
t.eq(extractFile("Effect\\bg\\bg1.fxd", dir .. "\\readme.txt"), false, "extract onto an open file")
held:close()
t.eq(t.readFile(dir .. "\\readme.txt"), "top level member\n", "open target kept its content")

-- No folders are made.
t.eq(extractFile("readme.txt", dir .. "\\missing\\readme.txt"), false, "into a missing folder")
t.eq(fileExists(dir .. "\\missing"), false, "no folder made")

removeDirectory(dir)
t.finish()
