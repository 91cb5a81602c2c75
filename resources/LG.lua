-- The install job: runs on a worker thread with its own script state, copies the
-- payload into the install folder, deals with the camera driver, and reports every
-- step to the wizard with a progress message, waiting for each answer.
-- `config.installPath` is the install folder, ending with "\".

local VERSION = "2.0.0.66"

-- What the payload holds, in the order it is installed. A folder comes before the
-- files inside it; pack members use the same names with "/" (extractFile maps them).
local INSTALL_LIST = {
  {"file", "zelvo.cat"}, {"file", "zelvo.inf"}, {"file", "zelvo.sys"},
  {"file", "zelvo64.cat"}, {"file", "zelvo64.sys"},
  {"file", "Orbisk.exe"}, {"file", "TalvoBugReport.exe"}, {"file", "config_default"},
  {"file", "DevconExe.exe"}, {"file", "DevconExe64.exe"},
  {"folder", "Effect"},
  {"folder", "Effect\\bg"}, {"file", "Effect\\bg\\bg1.fxd"}, {"file", "Effect\\bg\\bg2.fxd"},
  {"folder", "Effect\\swap"}, {"file", "Effect\\swap\\swap.xml"},
  {"folder", "Effect\\mask"}, {"file", "Effect\\mask\\mask1.fxd"}, {"file", "Effect\\mask\\mask2.fxd"},
  {"file", "libcurl.dll"}, {"file", "msvcp110.dll"}, {"file", "msvcr110.dll"},
  {"folder", "Resource"},
  {"file", "Resource\\skin1.tz"}, {"file", "Resource\\window1.tz"},
  {"file", "Resource\\skin2.tz"}, {"file", "Resource\\window2.tz"},
  {"folder", "Resource\\pic"},
  {"file", "Resource\\pic\\pic1.jpg"}, {"file", "Resource\\pic\\pic2.jpg"},
  {"file", "Resource\\pic\\pic3.jpg"}, {"file", "Resource\\pic\\pic4.jpg"},
  {"file", "Resource\\pic\\pic5.jpg"}, {"file", "Resource\\pic\\pic6.jpg"},
  {"folder", "Resource\\splash"}, {"file", "Resource\\splash\\default"},
  {"file", "Resource\\sample.wma"},
  {"file", "unins000.exe"}, {"file", "kodumper.dll"}, {"file", "ZelvoCount.exe"},
  {"file", "zlibwapi.dll"}, {"file", "Zelvo.ax"},
}

-- shellExecuteEx masks and show state.
local SEE_MASK_NOCLOSEPROCESS = 0x40
local SEE_MASK_FLAG_NO_UI = 0x400
local SW_HIDE = 0

-- Answers of the wizard.
local CANCEL = 2

local P = config.installPath
local win8 = isWin8()
local step = 0

-- A progress message is the text of a table constructor: {code=N,name=value,...}.
local function send(code, fields)
  local parts = {"{code=" .. code}
  for _, field in ipairs(fields or {}) do
    local name, value = field[1], field[2]
    if type(value) == "number" then
      parts[#parts + 1] = name .. "=" .. string.format("%d", value)
    else
      parts[#parts + 1] = name .. "=[[" .. value .. "]]"
    end
  end
  return notifyMessage(table.concat(parts, ",") .. "}")
end

local function progress(text)
  step = step + 1
  return send(4, {{"position", step}, {"text", text}})
end

-- System programs are started from the system folder by full path: the installer
-- runs elevated, and a bare name could find a planted copy first.
local function systemProgram(name)
  local root = os.getenv("SystemRoot")
  if not root or root == "" then return name end
  return root .. "\\System32\\" .. name
end

-- The device console tool that the payload brings, for this system's bitness.
local function deviceConsole()
  return P .. (isWOW32() and "devconexe.exe" or "devconexe64.exe")
end

local function startStatistics(arguments)
  shellExecuteEx(P .. "zelvocount.exe", arguments, "open", SW_HIDE, 0)
end

-- Stops the programs that use the camera, if the wizard agrees; false to end.
local function freeTheCamera()
  local users = getRunningProcess()
  if not users then return true end
  if send(10, {{"file", (users:gsub(";", "\r\n"))}}) == CANCEL then return false end
  killRunningProcess()
  return true
end

local function removeOldDriver()
  if not freeTheCamera() then return false end
  progress("卸载虚拟摄像头驱动程序，请稍等...")
  local _, exitCode = shellExecuteEx(deviceConsole(), "remove zelvo", "open", SW_HIDE,
                                     SEE_MASK_NOCLOSEPROCESS + SEE_MASK_FLAG_NO_UI)
  if exitCode == 1 then send(7) end
  return true
end

-- Extracts one file, asking the wizard while it cannot be written; false to end.
local function extract(name)
  progress("解压文件" .. name)
  while not extractFile(name, P .. name) do
    if send(5, {{"file", P .. name}}) == CANCEL then return false end
  end
  return true
end

local function extractPayload()
  for _, entry in ipairs(INSTALL_LIST) do
    local kind, name = entry[1], entry[2]
    if kind == "folder" then
      progress("创建文件夹" .. P .. name)
      createDirectory(P .. name)
    elseif not extract(name) then
      return false
    end
  end
  return true
end

-- Installs the camera driver (Windows 8 and later); false when it failed.
local function installDriver()
  progress("安装虚拟摄像头驱动程序，请稍等...")
  send(8)
  local started, exitCode = shellExecuteEx(deviceConsole(), 'install "' .. P .. 'zelvo.inf" zelvo', "open",
                                           SW_HIDE, SEE_MASK_NOCLOSEPROCESS)
  send(9)
  if not started or exitCode == nil or exitCode == -1 then
    startStatistics("app err_driverins " .. VERSION)
    send(6, {{"error", "安装虚拟摄像头驱动失败"}})
    return false
  end
  if exitCode == 1 then send(7) end
  return true
end

local function registerCameraFilter()
  progress("注册Zelvo.ax...")
  shellExecuteEx(systemProgram("regsvr32.exe"), '/s "' .. P .. 'Zelvo.ax"', "open", SW_HIDE,
                 SEE_MASK_NOCLOSEPROCESS)
end

-- What an older version left in the application-data folder.
local function tidyAppData(appData, codecs)
  moveFile(P .. "config_default", codecs .. "config_default")
  local effects = appData .. "\\Orbisk\\Effect\\"
  for _, folder in ipairs({"skinwhitening", "边框", "灯光", "动画", "挂件"}) do
    removeDirectory(effects .. folder)
  end
  removeFile(effects .. "effects.json")
  removeFile(appData .. "\\Orbisk\\Codecs\\manifest")
end

local function install()
  send(1)
  send(3, {{"range", win8 and 49 or 50}})
  killProcess(P .. "kolive.exe")
  killProcess(P .. "zelvoon.exe")
  local appData = getAppDataFolder()
  local codecs = appData and appData .. "\\Orbisk\\codecs\\"
  if codecs then
    createDirectory(codecs)
    killProcess(codecs .. "kolive.exe")
    killProcess(codecs .. "zelvoon.exe")
  end
  createDirectory(P)
  setCurrentDirectory(P)
  if not win8 and not removeOldDriver() then return end
  if not extractPayload() then return end
  if win8 then
    if not installDriver() then return end
  else
    registerCameraFilter()
  end
  send(2)
  startStatistics("app install " .. VERSION)
  if codecs then tidyAppData(appData, codecs) end
end

install()
