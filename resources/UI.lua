-- Host helpers: the installer calls these by name to keep its books on the script's
-- windows, controls and timers (the tables under "__window", "__control" and
-- "__timer" in the registry). They must stay the first lines of this file.
local tinsert, tremove = table.insert, table.remove

-- Dispatcher tables map an event code to the list of its handlers.
function lua_addHandler(tbl, msg, func)
  local list = tbl[msg]
  if list then
    tinsert(list, func)
    return
  end
  tbl[msg] = {func}
  return true
end

function lua_removeHandler(tbl, msg, func)
  local list = tbl[msg]
  if not list then return true end
  for i = 1, #list do
    if list[i] == func then
      tremove(list, i)
      break
    end
  end
  if #list == 0 then
    tbl[msg] = nil
    return true
  end
end

-- Handlers run from a copy of the list, so one that adds or removes handlers
-- while the event is delivered neither skips nor repeats the others.
function lua_invokeHandlers(tbl, sender, msg, wparam, lparam)
  local list = tbl[msg]
  if not list then return end
  local snapshot = {}
  for i = 1, #list do snapshot[i] = list[i] end
  for i = 1, #snapshot do
    if snapshot[i](sender, msg, wparam, lparam) then return true end
  end
end

-- Window records: {table, handle, message handler}.
function lua_addWindow(tbl, obj, handle)
  tinsert(tbl, {obj, handle})
end

function lua_removeWindow(tbl, handle)
  for i = 1, #tbl do
    if tbl[i][2] == handle then
      tremove(tbl, i)
      return
    end
  end
end

function lua_queryWindow(tbl, handle)
  for i = 1, #tbl do
    if tbl[i][2] == handle then return tbl[i][1] end
  end
end

function lua_queryWindowHandle(tbl, obj)
  for i = 1, #tbl do
    if tbl[i][1] == obj then return tbl[i][2] end
  end
  return 0
end

function lua_setMessageHandler(tbl, obj, func)
  for i = 1, #tbl do
    if tbl[i][1] == obj then
      tbl[i][3] = func
      return
    end
  end
end

function lua_invokeMessageHandler(tbl, obj, param)
  for i = 1, #tbl do
    local record = tbl[i]
    if record[1] == obj then
      if record[3] then return record[3](param) end
      return 0
    end
  end
  return 0
end

-- Control triples {table, handle, dispatcher}, found by table in tbl[1] and by
-- handle in tbl[2].
function lua_addControl(tbl, obj, handle)
  local triple = {obj, handle, {}}
  tbl[1][obj] = triple
  tbl[2][handle] = triple
end

function lua_removeControl(tbl, handle)
  local triple = tbl[2][handle]
  if triple then
    tbl[1][triple[1]] = nil
    tbl[2][handle] = nil
  end
end

function lua_queryControl(tbl, handle)
  local triple = tbl[2][handle]
  if triple then return triple[1] end
end

function lua_queryControlHandle(tbl, obj)
  local triple = tbl[1][obj]
  if triple then return triple[2] end
end

function lua_queryControlDispatcher(tbl, obj)
  local triple = tbl[1][obj]
  if triple then return triple[3] end
end

-- Timer records: {timer, callback, window}.
function lua_setTimer(tbl, timer, func, window)
  tinsert(tbl, {timer, func, window})
end

function lua_killTimer(tbl, timer, window)
  for i = 1, #tbl do
    if tbl[i][1] == timer and tbl[i][3] == window then
      tremove(tbl, i)
      return
    end
  end
end

function lua_removeTimer(tbl, window)
  local i = 1
  while i <= #tbl do
    if tbl[i][3] == window then
      tremove(tbl, i)
    else
      i = i + 1
    end
  end
end

function lua_onTimer(tbl, timer)
  for i = 1, #tbl do
    if tbl[i][1] == timer then
      tbl[i][2]()
      return
    end
  end
end

-- The event codes that scripts subscribe to with addHandler.
event = {
  GotFocus = 2, LostFocus = 3,
  PreviewKeyDown = 4, KeyDown = 5, PreviewKeyUp = 6, KeyUp = 7,
  PreviewKeyPress = 8, KeyPress = 9,
  GotCapture = 10, LostCapture = 11,
  PreviewLButtonDown = 12, LButtonDown = 13, PreviewLButtonUp = 14, LButtonUp = 15,
  PreviewRButtonDown = 16, RButtonDown = 17, PreviewRButtonUp = 18, RButtonUp = 19,
  LButtonDbClick = 20, RButtonDbClick = 21,
  PreviewMouseWheel = 22, MouseWheel = 23,
  MouseMove = 25, MouseEnter = 26, MouseLeave = 27,
  Click = 30, ValueChange = 31, Notify = 32,
}
-- End of the host helpers.

-- The wizard itself follows here as its pages and controls arrive.
