-- Checks for the script tests run by scriptrun. A failed check is reported on
-- standard error and counted; finish() raises an error when any check failed, which
-- makes scriptrun end with exit code 1.
local t = {}
local failures = 0

local function show(v)
  if type(v) == "string" then return string.format("%q", v) end
  return tostring(v)
end

function t.eq(actual, expected, what)
  if actual ~= expected then
    failures = failures + 1
    io.stderr:write(string.format("FAIL %s: got %s, expected %s\n", what, show(actual), show(expected)))
  end
end

function t.ok(condition, what) t.eq(not not condition, true, what) end

-- The number of results of a call, to tell "nothing" from nil or false.
function t.count(...) return select("#", ...) end

-- A fresh scratch folder in the temporary folder of the Wine prefix.
function t.scratch(name)
  local folder = getTempFolder() .. "talvo-tests\\" .. name
  removeDirectory(folder)
  createDirectory(folder)
  assert(fileExists(folder), "cannot create " .. folder)
  return folder
end

function t.writeFile(path, text)
  local f = assert(io.open(path, "wb"))
  f:write(text)
  f:close()
end

function t.readFile(path)
  local f = io.open(path, "rb")
  if not f then return nil end
  local text = f:read("*a")
  f:close()
  return text
end

-- A program built beside scriptrun.
function t.program(name) return getProcessPath():match("^(.*\\)") .. name end

-- A system program by full path (never by bare name).
function t.systemProgram(name) return os.getenv("SystemRoot") .. "\\system32\\" .. name end

-- Runs a program, waits for it and returns its exit code (nil when it did not start).
function t.run(file, parameters)
  local started, code = shellExecuteEx(file, parameters, "open", 0, 64)
  if not started then return nil end
  return code
end

-- Polls `condition` every 50 ms for up to `ms` milliseconds.
function t.waitFor(condition, ms)
  for _ = 1, math.floor(ms / 50) do
    if condition() then return true end
    sleep(50)
  end
  return condition()
end

function t.finish()
  if failures > 0 then error(failures .. " check(s) failed", 0) end
end

return t
