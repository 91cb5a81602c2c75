-- Registry round trips in each root: default and named values, deep missing keys,
-- type mismatches, signed 32-bit integers, and deletion of whole trees.
local t = require "testlib"
local reg = t.systemProgram("reg.exe")

local roots = {
  {"HKCU", HKEY_CURRENT_USER, "Software\\TalvoScriptTest"},
  {"HKLM", HKEY_LOCAL_MACHINE, "Software\\TalvoScriptTest"},
  {"HKCR", HKEY_CLASSES_ROOT, ".talvoscripttest"},
  {"HKU", HKEY_USERS, ".DEFAULT\\Software\\TalvoScriptTest"},
}

-- The root numbers are the handle values read as signed 32-bit integers.
t.eq(HKEY_CLASSES_ROOT, -2147483648, "HKEY_CLASSES_ROOT")
t.eq(HKEY_CURRENT_USER, -2147483647, "HKEY_CURRENT_USER")
t.eq(HKEY_LOCAL_MACHINE, -2147483646, "HKEY_LOCAL_MACHINE")
t.eq(HKEY_USERS, -2147483645, "HKEY_USERS")

local integers = {
  {0, 0}, {1, 1}, {-1, -1}, {2147483647, 2147483647}, {2147483648, -2147483648},
  {4294967295, -1}, {-2147483648, -2147483648}, {2.5, 2}, {3.5, 4}, {"42", 42},
}

for _, r in ipairs(roots) do
  local label, root, base = r[1], r[2], r[3]
  local deep = base .. "\\one\\two\\three"
  regDeleteSubKey(root, base)
  t.eq(regQueryString(root, deep, ""), nil, label .. " missing deep key reads nil")
  t.eq(t.count(regQueryString(root, deep, "name")), 0, label .. " missing value: no result")
  t.eq(t.count(regQueryInteger(root, deep, "n")), 0, label .. " missing integer: no result")

  -- Strings: the default value and named ones, in a key path of missing levels.
  for _, case in ipairs({{"", "default text"}, {"name", "named"}, {"empty", ""},
                         {"utf8", "\228\184\173\230\150\135"}}) do
    regWriteString(root, deep, case[1], case[2])
    t.eq(regQueryString(root, deep, case[1]), case[2], label .. " string " .. case[1])
  end
  t.eq(regQueryString(root, base, ""), nil, label .. " the parent has no default value")
  regWriteString(root, base, "", "top")
  t.eq(regQueryString(root, base, ""), "top", label .. " default value of the top key")

  -- Integers come back as signed 32-bit numbers.
  for _, case in ipairs(integers) do
    regWriteInteger(root, deep, "n", case[1])
    t.eq(regQueryInteger(root, deep, "n"), case[2], label .. " integer " .. tostring(case[1]))
  end

  -- Type mismatches read as nothing.
  t.eq(t.count(regQueryString(root, deep, "n")), 0, label .. " REG_DWORD read as a string")
  t.eq(t.count(regQueryInteger(root, deep, "name")), 0, label .. " REG_SZ read as an integer")

  -- Longest string that fits the 260-byte buffer, and one unit more.
  regWriteString(root, deep, "long", string.rep("x", 129))
  t.eq(regQueryString(root, deep, "long"), string.rep("x", 129), label .. " 129 characters")
  regWriteString(root, deep, "long", string.rep("x", 130))
  t.eq(regQueryString(root, deep, "long"), nil, label .. " 130 characters")

  -- Values go one by one; the key path goes with everything below it.
  regDeleteValue(root, deep, "name")
  t.eq(regQueryString(root, deep, "name"), nil, label .. " deleted value")
  t.eq(regQueryString(root, deep, ""), "default text", label .. " other values stay")
  regWriteString(root, base .. "\\sibling", "", "s")
  regDeleteSubKey(root, base)
  t.eq(regQueryString(root, deep, ""), nil, label .. " deep value gone with the tree")
  t.eq(regQueryString(root, base .. "\\sibling", ""), nil, label .. " sibling gone with the tree")
end

-- REG_EXPAND_SZ is not a string for regQueryString; reg.exe writes it in the same view.
local key = "HKCU\\Software\\TalvoScriptTest"
t.eq(t.run(reg, "add " .. key .. " /v expand /t REG_EXPAND_SZ /d %SystemRoot% /f /reg:32"), 0, "reg add")
t.eq(t.count(regQueryString(HKEY_CURRENT_USER, "Software\\TalvoScriptTest", "expand")), 0,
     "REG_EXPAND_SZ read as a string")
t.eq(t.count(regQueryInteger(HKEY_CURRENT_USER, "Software\\TalvoScriptTest", "expand")), 0,
     "REG_EXPAND_SZ read as an integer")
t.eq(t.run(reg, "add " .. key .. " /v all /t REG_DWORD /d 4294967295 /f /reg:32"), 0, "reg add dword")
t.eq(regQueryInteger(HKEY_CURRENT_USER, "Software\\TalvoScriptTest", "all"), -1, "stored 4294967295 reads -1")

-- The 32-bit view: HKLM\Software keys land under Wow6432Node of the 64-bit view.
regWriteString(HKEY_LOCAL_MACHINE, "Software\\TalvoScriptTest\\View", "v", "x")
t.eq(t.run(reg, "query HKLM\\Software\\Wow6432Node\\TalvoScriptTest\\View /v v /reg:64"), 0,
     "key under Wow6432Node")
t.eq(t.run(reg, "query HKLM\\Software\\TalvoScriptTest /reg:64"), 1, "no key in the 64-bit location")
regDeleteSubKey(HKEY_LOCAL_MACHINE, "Software\\TalvoScriptTest")
t.eq(t.run(reg, "query HKLM\\Software\\Wow6432Node\\TalvoScriptTest /reg:64"), 1,
     "regDeleteSubKey deletes in the 32-bit view")

-- An empty key path never deletes a whole root.
regWriteString(HKEY_CURRENT_USER, "Software\\TalvoScriptTest", "keep", "k")
regDeleteSubKey(HKEY_CURRENT_USER, "")
regDeleteSubKey(HKEY_CURRENT_USER, "\255")  -- invalid UTF-8: the empty path
t.eq(regQueryString(HKEY_CURRENT_USER, "Software\\TalvoScriptTest", "keep"), "k", "empty path deletes nothing")

-- A number that is not a root is passed on as a key handle: here none.
regWriteString(12345, "Software\\TalvoScriptTest", "", "x")
t.eq(regQueryString(12345, "Software\\TalvoScriptTest", ""), nil, "an invalid key handle")

regDeleteSubKey(HKEY_CURRENT_USER, "Software\\TalvoScriptTest")
t.eq(regQueryString(HKEY_CURRENT_USER, "Software\\TalvoScriptTest", "keep"), nil, "clean-up")
t.finish()
