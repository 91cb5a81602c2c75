// The script runtime without windows: the host helpers, the conversions every
// script function uses, handles, the wizard state and the bridges into the script.
#include <gtest/gtest.h>
#include <windows.h>

#include <lauxlib.h>
#include <lualib.h>

#include <cmath>
#include <climits>

#include "MemoryFileSystem.h"
#include "script/Handles.h"
#include "script/HostHelpers.h"
#include "script/LuaArgs.h"
#include "script/ScriptState.h"
#include "script/WizardHost.h"

namespace {

// Runs a chunk; the error message, or "" on success.
std::string runChunk(lua_State* L, const std::string& code, const char* name) {
  if (luaL_loadbuffer(L, code.data(), code.size(), name) != LUA_OK || lua_pcall(L, 0, 0, 0) != LUA_OK) {
    std::string message = lua_tostring(L, -1);
    lua_pop(L, 1);
    return message;
  }
  return "";
}

TEST(HostHelpers, BehaveAsTheHostExpectsInAPlainState) {
  LuaStatePtr L(luaL_newstate());
  luaL_openlibs(L.get());
  std::string helpers = hostHelpersSource();
  ASSERT_FALSE(helpers.empty()) << "the host helpers' end marker is missing";
  EXPECT_EQ(runChunk(L.get(), helpers, "=helpers"), "");
  EXPECT_EQ(runChunk(L.get(), sourceFile("tests/scripts/host_helpers_test.lua"), "@host_helpers_test.lua"), "");
}

// The install job script against a fake system, in a plain state.
TEST(JobScript, ReportsAndActsAsTheProgressProtocolSays) {
  LuaStatePtr L(luaL_newstate());
  luaL_openlibs(L.get());
  std::string job = sourceFile("resources/LG.lua");
  ASSERT_FALSE(job.empty());
  lua_pushlstring(L.get(), job.data(), job.size());
  lua_setglobal(L.get(), "JOB_SCRIPT");
  EXPECT_EQ(runChunk(L.get(), sourceFile("tests/scripts/job_script_test.lua"), "@job_script_test.lua"), "");
}

struct IntegerCase {
  const char* lua;  // an expression
  int32_t expected;
};

TEST(LuaArgs, IntegersConvertLikeThe32BitInstaller) {
  const IntegerCase cases[] = {
      {"7", 7},           {"-7", -7},          {"1.5", 2},          {"2.5", 2},
      {"-2.5", -2},       {"3.4999", 3},       {"'12'", 12},        {"' 0x10 '", 16},
      {"'3.5'", 4},       {"'abc'", 0},        {"nil", 0},          {"true", 0},
      {"{}", 0},          {"4294967295", -1},  {"2^31", INT32_MIN}, {"2^32 + 5", 5},
      {"1e300", INT32_MIN}, {"0/0", INT32_MIN},
  };
  LuaStatePtr L(luaL_newstate());
  for (const IntegerCase& c : cases) {
    ASSERT_EQ(runChunk(L.get(), std::string("value = ") + c.lua, "=case"), "");
    lua_getglobal(L.get(), "value");
    EXPECT_EQ(luaargs::toInt32(L.get(), -1), c.expected) << c.lua;
    lua_pop(L.get(), 1);
  }
}

TEST(LuaArgs, StringsAreStrictUtf8) {
  EXPECT_EQ(luaargs::toWide("C:/\xe5\xae\x89\xe8\xa3\x85", 9), L"C:/\u5b89\u88c5");
  EXPECT_EQ(luaargs::toWide("ok\xff", 3), L"");
  EXPECT_EQ(luaargs::toWide("\xc0\x80", 2), L"");
  EXPECT_EQ(luaargs::toUtf8(L"\u5b89\u88c5"), "\xe5\xae\x89\xe8\xa3\x85");

  LuaStatePtr L(luaL_newstate());
  luaL_openlibs(L.get());
  lua_pushcfunction(L.get(), [](lua_State* S) {
    luaargs::pushString(S, luaargs::checkString(S, 1));
    return 1;
  });
  lua_setglobal(L.get(), "echo");
  EXPECT_EQ(runChunk(L.get(), "assert(echo('x') == 'x'); assert(echo(12) == '12'); assert(echo('\\255') == '')", "=s"), "");
  for (const char* bad : {"echo()", "echo({})", "echo(nil)", "echo(true)"})
    EXPECT_NE(runChunk(L.get(), bad, "=bad").find("bad argument #1"), std::string::npos) << bad;
}

TEST(Handles, NameOneLiveObjectAndAreNeverReused) {
  int a = 0, b = 0;
  int32_t ha = handles::of(&a, handles::Kind::Control);
  int32_t hb = handles::of(&b, handles::Kind::Control);
  EXPECT_GT(ha, 0);
  EXPECT_NE(ha, hb);
  EXPECT_EQ(handles::of(&a, handles::Kind::Control), ha);
  EXPECT_EQ(handles::find<int>(ha, handles::Kind::Control), &a);
  EXPECT_EQ(handles::find<int>(ha, handles::Kind::Window), nullptr) << "a control is not a window";
  EXPECT_EQ(handles::of(nullptr, handles::Kind::Window), 0);
  EXPECT_EQ(handles::find<int>(0, handles::Kind::Control), nullptr);

  handles::forget(&a);
  EXPECT_EQ(handles::find<int>(ha, handles::Kind::Control), nullptr);
  int32_t again = handles::of(&a, handles::Kind::Control);  // a new object at the same address
  EXPECT_NE(again, ha);
  EXPECT_EQ(handles::find<int>(ha, handles::Kind::Control), nullptr);
  handles::forget(&a);
  handles::forget(&b);
}

// A wizard state with the host helpers loaded, for the bridges.
class WizardState : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(wizardHost::create());
    L = wizardHost::state();
    ASSERT_EQ(runChunk(L, hostHelpersSource(), "=helpers"), "");
  }
  void TearDown() override {
    MemoryFileSystem none;
    wizardHost::run(none, u"absent.lua");  // closes the state
  }
  lua_State* L = nullptr;
};

TEST_F(WizardState, HasTheRegistryTablesAndLibraries) {
  EXPECT_EQ(runChunk(L, R"(
    local reg = debug.getregistry()
    assert(type(reg.__window) == "table" and next(reg.__window) == nil)
    assert(type(reg.__timer) == "table" and next(reg.__timer) == nil)
    assert(type(reg.__control[1]) == "table" and type(reg.__control[2]) == "table")
    assert(bit32 and coroutine and io and os and package and string and table and math)
  )", "=check"), "");
}

TEST_F(WizardState, EventBridgeRunsTheControlsHandlers) {
  EXPECT_EQ(runChunk(L, R"(
    local reg = debug.getregistry()
    local button = {}
    lua_addControl(reg.__control, button, 41)
    local d = lua_queryControlDispatcher(reg.__control, button)
    lua_addHandler(d, 30, function(sender, code, w, l)
      seen = {sender == button, code, w, l}
      return code == 30
    end)
  )", "=setup"), "");
  EXPECT_TRUE(hostHelpers::invokeHandlers(L, 41, 30, 5, -6));
  EXPECT_EQ(runChunk(L, "assert(seen[1] and seen[2] == 30 and seen[3] == 5 and seen[4] == -6)", "=seen"), "");
  EXPECT_FALSE(hostHelpers::invokeHandlers(L, 41, 31, 0, 0)) << "no handlers for that code";
  EXPECT_FALSE(hostHelpers::invokeHandlers(L, 42, 30, 0, 0)) << "a control the script never saw";
  EXPECT_EQ(lua_gettop(L), 0);
}

TEST_F(WizardState, MessageBridgeAnswersWithTheHandlersNumber) {
  EXPECT_EQ(runChunk(L, R"(
    local reg = debug.getregistry()
    wizard = {}
    lua_addWindow(reg.__window, wizard, 7)
    lua_setMessageHandler(reg.__window, wizard, function(text)
      local message = load("return " .. text)()
      if message.code == 4 then return message.pos * 2 end
      return "not a number"
    end)
  )", "=setup"), "");
  EXPECT_EQ(hostHelpers::invokeMessageHandler(L, 7, "{code = 4, pos = 21}"), 42);
  EXPECT_EQ(hostHelpers::invokeMessageHandler(L, 7, "{code = 1}"), 0);
  EXPECT_EQ(hostHelpers::invokeMessageHandler(L, 8, "{code = 4, pos = 1}"), 0) << "unknown window";
  EXPECT_EQ(lua_gettop(L), 0);
}

TEST_F(WizardState, ReceiverResolution) {
  EXPECT_EQ(runChunk(L, R"(
    local reg = debug.getregistry()
    win, ctl, stranger = {}, {}, {}
    lua_addWindow(reg.__window, win, 3)
    lua_addControl(reg.__control, ctl, 4)
  )", "=setup"), "");
  const std::pair<const char*, int32_t> windows[] = {{"win", 3}, {"ctl", 0}, {"stranger", 0}};
  for (const auto& [name, handle] : windows) {
    lua_getglobal(L, name);
    EXPECT_EQ(hostHelpers::windowHandleOf(L, -1), handle) << name;
    EXPECT_EQ(hostHelpers::controlHandleOf(L, -1), std::string(name) == "ctl" ? 4 : 0) << name;
    lua_pop(L, 1);
  }
  EXPECT_TRUE(hostHelpers::pushKnownControl(L, 4));
  lua_getglobal(L, "ctl");
  EXPECT_TRUE(lua_rawequal(L, -1, -2));
  lua_pop(L, 2);
  EXPECT_FALSE(hostHelpers::pushKnownControl(L, 5));
  EXPECT_EQ(lua_gettop(L), 0);
}

}  // namespace
