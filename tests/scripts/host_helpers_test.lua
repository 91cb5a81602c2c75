-- The host helpers on their own, in a plain state: the bookkeeping the host relies on.
local function count(t) local n = 0 for _ in pairs(t) do n = n + 1 end return n end

-- addHandler: true only for the first handler of a code.
do
  local d = {}
  local f, g = function() end, function() end
  assert(lua_addHandler(d, 30, f) == true, "first handler of a code")
  assert(lua_addHandler(d, 30, g) == nil, "second handler of a code")
  assert(lua_addHandler(d, 31, f) == true, "first handler of another code")
  assert(#d[30] == 2 and d[30][1] == f and d[30][2] == g)
end

-- removeHandler: true for a code without a list and when the list empties;
-- a duplicate is removed one occurrence at a time, the first one first.
do
  local d = {}
  local calls = {}
  local f = function() calls[#calls + 1] = "f" end
  local g = function() calls[#calls + 1] = "g" end
  assert(lua_removeHandler(d, 5, f) == true, "no list for the code")
  lua_addHandler(d, 5, f)
  lua_addHandler(d, 5, g)
  lua_addHandler(d, 5, f)
  lua_invokeHandlers(d, {}, 5, 0, 0)
  assert(table.concat(calls) == "fgf", "duplicates are called twice: " .. table.concat(calls))
  assert(lua_removeHandler(d, 5, f) == nil, "handlers remain")
  assert(d[5][1] == g and d[5][2] == f, "the first occurrence went")
  assert(lua_removeHandler(d, 5, g) == nil)
  assert(lua_removeHandler(d, 5, f) == true, "the last one empties the list")
  assert(d[5] == nil)
end

-- invokeHandlers: arguments, order, and truthiness (0 and "" are true in Lua).
do
  local cases = {
    {result = true, stops = true}, {result = 0, stops = true}, {result = "", stops = true},
    {result = {}, stops = true}, {result = false, stops = false}, {result = nil, stops = false},
  }
  for i, case in ipairs(cases) do
    local d, after = {}, false
    local sender = {}
    lua_addHandler(d, 13, function(s, msg, w, l)
      assert(s == sender and msg == 13 and w == 7 and l == -1, "handler arguments")
      return case.result
    end)
    lua_addHandler(d, 13, function() after = true end)
    local handled = lua_invokeHandlers(d, sender, 13, 7, -1)
    assert((handled == true) == case.stops, "case " .. i .. ": handled")
    assert(after == not case.stops, "case " .. i .. ": later handler")
  end
  assert(lua_invokeHandlers({}, {}, 13, 0, 0) == nil, "no list: not handled")
end

-- A handler that removes itself or adds another while the event is delivered.
do
  local d, calls = {}, {}
  local late = function() calls[#calls + 1] = "late" end
  local selfRemoving
  selfRemoving = function()
    calls[#calls + 1] = "self"
    lua_removeHandler(d, 2, selfRemoving)
    lua_addHandler(d, 2, late)
  end
  lua_addHandler(d, 2, selfRemoving)
  lua_addHandler(d, 2, function() calls[#calls + 1] = "next" end)
  lua_invokeHandlers(d, {}, 2, 0, 0)
  assert(table.concat(calls, ",") == "self,next", table.concat(calls, ","))
  lua_invokeHandlers(d, {}, 2, 0, 0)
  assert(table.concat(calls, ",") == "self,next,next,late", table.concat(calls, ","))
end

-- Windows: records in insertion order, first match wins.
do
  local w = {}
  local a, b = {}, {}
  lua_addWindow(w, a, 11)
  lua_addWindow(w, b, 12)
  assert(lua_queryWindow(w, 12) == b and lua_queryWindow(w, 99) == nil)
  assert(lua_queryWindowHandle(w, a) == 11 and lua_queryWindowHandle(w, {}) == 0)
  lua_setMessageHandler(w, b, function(text) return #text end)
  assert(lua_invokeMessageHandler(w, b, "hello") == 5)
  assert(lua_invokeMessageHandler(w, a, "hello") == 0, "no handler set")
  assert(lua_invokeMessageHandler(w, {}, "hello") == 0, "no such window")
  lua_removeWindow(w, 11)
  assert(#w == 1 and lua_queryWindowHandle(w, a) == 0 and lua_queryWindowHandle(w, b) == 12)
end

-- Controls: one triple found both ways; removal clears both.
do
  local c = {{}, {}}
  local t = {}
  lua_addControl(c, t, 21)
  assert(lua_queryControl(c, 21) == t and lua_queryControlHandle(c, t) == 21)
  assert(type(lua_queryControlDispatcher(c, t)) == "table")
  assert(lua_queryControlHandle(c, {}) == nil, "unregistered table gives nil")
  lua_removeControl(c, 21)
  lua_removeControl(c, 21)
  assert(lua_queryControl(c, 21) == nil and lua_queryControlHandle(c, t) == nil)
  assert(count(c[1]) == 0 and count(c[2]) == 0)
end

-- Timers: kill needs timer and window to match; removeTimer takes every record of
-- a window, also consecutive ones, and keeps the order of the rest.
do
  local fired = {}
  local function timer(name) return function() fired[#fired + 1] = name end end
  local t = {}
  lua_setTimer(t, 1, timer("a"), 100)
  lua_setTimer(t, 2, timer("b"), 200)
  lua_setTimer(t, 1, timer("c"), 200)
  lua_setTimer(t, 3, timer("d"), 200)
  lua_setTimer(t, 4, timer("e"), 100)
  lua_killTimer(t, 1, 200)
  assert(#t == 4 and t[1][1] == 1 and t[1][3] == 100 and t[2][1] == 2, "only the matching pair went")
  lua_killTimer(t, 4, 200)
  assert(#t == 4, "timer of another window stays")
  lua_onTimer(t, 1)
  lua_onTimer(t, 9)
  assert(table.concat(fired) == "a")
  lua_removeTimer(t, 200)
  assert(#t == 2 and t[1][1] == 1 and t[2][1] == 4, "both consecutive records of window 200 went")
end

-- The event table names exactly the codes scripts subscribe to.
do
  assert(event.GotFocus == 2 and event.Click == 30 and event.Notify == 32 and event.MouseMove == 25)
  assert(count(event) == 28)
end

return "ok"
