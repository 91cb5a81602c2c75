-- The install job script against a fake system: what it reports, in which order,
-- what it runs and what it answers to the wizard's choices. JOB_SCRIPT holds the
-- script's text.
local P = "C:\\Program Files\\TalvoMirelle\\"
local APPDATA = "C:\\Users\\ana\\AppData\\Roaming"

-- A fresh fake system for one run; `s` sets the scenario.
local function runJob(s)
  local log = {messages = {}, runs = {}, extracted = {}, killed = {}, calls = {}}
  local failures = {}
  for name, times in pairs(s.failExtract or {}) do failures[name] = times end
  local env = setmetatable({}, {__index = _G})
  env.config = {installPath = P}
  env.os = {getenv = function(name) return name == "SystemRoot" and "C:\\windows" or nil end}
  env.isWin8 = function() return s.win8 end
  env.isWOW32 = function() return s.wow32 end
  env.notifyMessage = function(text)
    local message = assert(load("return " .. text, "=message", "t", {}))()
    message.text_ = text
    log.messages[#log.messages + 1] = message
    local answer = s.answer and s.answer(message, log) or 1
    return answer
  end
  env.extractFile = function(name, target)
    log.extracted[#log.extracted + 1] = name
    assert(target == P .. name, "target of " .. name)
    if failures[name] and failures[name] > 0 then
      failures[name] = failures[name] - 1
      return false
    end
    return true
  end
  env.shellExecuteEx = function(file, parameters, verb, show, mask)
    log.runs[#log.runs + 1] = {file = file, parameters = parameters, verb = verb, show = show, mask = mask}
    if file:find("devconexe") then return table.unpack(s.devcon or {true, 0}) end
    return true
  end
  env.killProcess = function(path) log.killed[#log.killed + 1] = path end
  env.getAppDataFolder = function() return APPDATA end
  env.getRunningProcess = function() return s.cameraUsers end
  local function record(name) return function(...) log.calls[#log.calls + 1] = {name, ...} return true end end
  for _, name in ipairs({"createDirectory", "setCurrentDirectory", "killRunningProcess", "moveFile",
                         "removeDirectory", "removeFile"}) do
    env[name] = record(name)
  end
  assert(load(JOB_SCRIPT, "=LG.lua", "t", env))()
  return log
end

local function codes(log)
  local list = {}
  for _, m in ipairs(log.messages) do list[#list + 1] = m.code end
  return table.concat(list, " ")
end

local function count(log, code)
  local n = 0
  for _, m in ipairs(log.messages) do if m.code == code then n = n + 1 end end
  return n
end

local function called(log, name)
  local found = {}
  for _, call in ipairs(log.calls) do if call[1] == name then found[#found + 1] = call[2] or true end end
  return found
end

local function positionsAreConsecutive(log)
  local expected = 1
  for _, m in ipairs(log.messages) do
    if m.code == 4 then
      if m.position ~= expected then return false end
      expected = expected + 1
    end
  end
  return true
end

local function fourCodes(n) return string.rep("4 ", n) end

-- Before Windows 8: range 50, 44 steps, no 8 or 9, the filter registered by full path.
do
  local log = runJob{win8 = false, wow32 = false}
  assert(codes(log) == "1 3 " .. fourCodes(44) .. "2", codes(log))
  assert(log.messages[2].range == 50)
  assert(log.messages[3].text == "卸载虚拟摄像头驱动程序，请稍等...")
  assert(log.messages[4].text == "解压文件zelvo.cat")
  assert(log.messages[14].text == "创建文件夹" .. P .. "Effect")
  assert(log.messages[46].text == "注册Zelvo.ax...")
  assert(positionsAreConsecutive(log))
  assert(#log.extracted == 35 and log.extracted[16] == "libcurl.dll")
  local devcon, regsvr, stats = log.runs[1], log.runs[2], log.runs[3]
  assert(devcon.file == P .. "devconexe64.exe" and devcon.parameters == "remove zelvo")
  assert(devcon.verb == "open" and devcon.show == 0 and devcon.mask == 0x440)
  assert(regsvr.file == "C:\\windows\\System32\\regsvr32.exe")
  assert(regsvr.parameters == '/s "' .. P .. 'Zelvo.ax"' and regsvr.mask == 0x40)
  assert(stats.file == P .. "zelvocount.exe" and stats.parameters == "app install 2.0.0.66" and stats.mask == 0)
  assert(#log.runs == 3)
  -- The product's programs are stopped in the install and codecs folders.
  local codecs = APPDATA .. "\\Orbisk\\codecs\\"
  assert(table.concat(log.killed, "|") ==
         table.concat({P .. "kolive.exe", P .. "zelvoon.exe", codecs .. "kolive.exe", codecs .. "zelvoon.exe"}, "|"))
  assert(called(log, "setCurrentDirectory")[1] == P)
  -- The application-data folder is tidied after code 2.
  assert(called(log, "moveFile")[1] == P .. "config_default")
  local removed = called(log, "removeDirectory")
  assert(#removed == 5 and removed[1] == APPDATA .. "\\Orbisk\\Effect\\skinwhitening")
  local files = called(log, "removeFile")
  assert(files[1] == APPDATA .. "\\Orbisk\\Effect\\effects.json" and files[2] == APPDATA .. "\\Orbisk\\Codecs\\manifest")
end

-- 32-bit Windows uses the 32-bit device console.
do
  local log = runJob{win8 = false, wow32 = true}
  assert(log.runs[1].file == P .. "devconexe.exe")
end

-- Windows 8 and later: range 49, 43 steps, 8 and 9 around the driver installation.
do
  local log = runJob{win8 = true, wow32 = false}
  assert(codes(log) == "1 3 " .. fourCodes(43) .. "8 9 2", codes(log))
  assert(log.messages[2].range == 49)
  assert(log.messages[45].text == "安装虚拟摄像头驱动程序，请稍等...")
  assert(positionsAreConsecutive(log))
  local devcon = log.runs[1]
  assert(devcon.parameters == 'install "' .. P .. 'zelvo.inf" zelvo' and devcon.mask == 0x40)
  assert(log.runs[2].parameters == "app install 2.0.0.66")
end

-- Exit code 1 of the device console asks for a restart, once, on both paths.
do
  local before = runJob{win8 = false, devcon = {true, 1}}
  assert(count(before, 7) == 1 and codes(before):find("^1 3 4 7 4"))
  local after = runJob{win8 = true, devcon = {true, 1}}
  assert(count(after, 7) == 1 and codes(after):find("8 9 7 2$"))
end

-- A failed driver installation: error statistics, code 6, and nothing after it.
for _, result in ipairs({{true, -1}, {false}, {true}}) do
  local log = runJob{win8 = true, devcon = result}
  assert(codes(log):find("8 9 6$"), codes(log))
  assert(log.messages[#log.messages].error == "安装虚拟摄像头驱动失败")
  assert(log.runs[2].parameters == "app err_driverins 2.0.0.66" and #log.runs == 2)
  assert(#called(log, "moveFile") == 0)
end

-- A file that cannot be written: code 5 until Retry works, or until Cancel.
do
  local log = runJob{win8 = true, failExtract = {["Resource\\sample.wma"] = 2}}
  assert(count(log, 5) == 2 and log.messages[#log.messages].code == 2)
  local five
  for _, m in ipairs(log.messages) do if m.code == 5 then five = m end end
  assert(five.file == P .. "Resource\\sample.wma")
  assert(positionsAreConsecutive(log))

  local cancelled = runJob{win8 = true, failExtract = {["msvcp110.dll"] = 1000},
                           answer = function(m) return m.code == 5 and 2 or 1 end}
  assert(codes(cancelled):find("4 5$"), codes(cancelled))
  assert(count(cancelled, 5) == 1 and #cancelled.runs == 0 and #called(cancelled, "moveFile") == 0)
end

-- Programs using the camera: listed one per line; Cancel ends, OK stops them.
do
  local stopped = runJob{win8 = false, cameraUsers = "obs.exe;chat.exe;"}
  assert(codes(stopped):find("^1 3 10 4"))
  -- Sent with CR LF; a long bracket reads every line end back as LF.
  assert(stopped.messages[3].text_ == "{code=10,file=[[obs.exe\r\nchat.exe\r\n]]}", stopped.messages[3].text_)
  assert(stopped.messages[3].file == "obs.exe\nchat.exe\n")
  assert(#called(stopped, "killRunningProcess") == 1)

  local cancelled = runJob{win8 = false, cameraUsers = "obs.exe;",
                           answer = function(m) return m.code == 10 and 2 or 1 end}
  assert(codes(cancelled) == "1 3 10", codes(cancelled))
  assert(#called(cancelled, "killRunningProcess") == 0 and #cancelled.runs == 0)

  local later = runJob{win8 = true, cameraUsers = "obs.exe;"}
  assert(count(later, 10) == 0 and #called(later, "killRunningProcess") == 0)
end

-- Every message is a table constructor with code first and texts in long brackets.
do
  local log = runJob{win8 = true}
  assert(log.messages[1].text_ == "{code=1}")
  assert(log.messages[2].text_ == "{code=3,range=49}")
  assert(log.messages[3].text_ == "{code=4,position=1,text=[[解压文件zelvo.cat]]}")
end

return "ok"
