// Starting install jobs and running them on their own threads.
#include "jobs/LuaWork.h"

#include <windows.h>
#include <ole2.h>
#include <process.h>

#include <lauxlib.h>

#include <atomic>
#include <memory>

#include "base/MallocBuffer.h"
#include "jobs/ExtractFile.h"
#include "jobs/NotifyRunable.h"
#include "jobs/NotifyService.h"
#include "packs/PackHolder.h"
#include "packs/ResourceFileSystem.h"
#include "script/LuaArgs.h"
#include "script/ScriptState.h"

namespace LuaWork {
namespace {

// What the job thread is to do; written by start() before the thread exists, read
// by that thread only, and left alone while a job runs.
struct JobParameters {
  std::wstring scriptName;
  std::wstring packName;
  std::string configuration;
};
JobParameters parameters;
std::atomic<bool> jobRunning{false};

std::u16string toU16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

void showError(lua_State* L) {
  size_t length = 0;
  const char* message = lua_tolstring(L, -1, &length);
  std::wstring text = message ? luaargs::toWide(message, length) : std::wstring();
  MessageBoxW(nullptr, text.c_str(), L"错误", MB_OK);
}

// "config = <text>", run quietly: a broken configuration leaves `config` unset.
void runConfiguration(lua_State* L, const std::string& configuration) {
  if (configuration.empty()) return;
  std::string chunk = "config = " + configuration;
  OutputDebugStringW((luaargs::toWide(chunk.data(), chunk.size()) + L"\n").c_str());
  if (luaL_loadstring(L, chunk.c_str()) == LUA_OK) lua_pcall(L, 0, 0, 0);
  lua_settop(L, 0);
}

void runScript(lua_State* L, ResourceFileSystem& files, const std::wstring& name) {
  MallocBuffer script(files.read(toU16(name), nullptr));  // zero-terminated by the read
  if (!script) return;
  // The chunk name is the script text, so messages name it by its first line.
  if (luaL_loadstring(L, reinterpret_cast<const char*>(script.get())) != LUA_OK ||
      lua_pcall(L, 0, 0, 0) != LUA_OK)
    showError(L);
  lua_settop(L, 0);
}

void runJob(const JobParameters& job) {
  ResourceFileSystem* files = ResourceFileSystem::current();
  PackHolder pack;
  if (!files || !pack.open(*files, toU16(job.packName))) return;  // nothing to install from
  LuaStatePtr state = newScriptState();
  if (!state) return;
  lua_State* L = state.get();
  lua_register(L, "notifyMessage", notifyMessage);
  jobs::registerExtractFile(L, pack.pack());
  runConfiguration(L, job.configuration);
  runScript(L, *files, job.scriptName);
}  // the state closes before the pack it reads from is released

unsigned __stdcall jobThread(void*) {
  OleInitialize(nullptr);
  runJob(parameters);
  OleUninitialize();
  jobRunning = false;
  return 0;
}

// Text arguments only; numbers convert as everywhere else.
bool textArgument(lua_State* L, int index, std::string& bytes) {
  if (!lua_isstring(L, index)) return false;
  size_t length = 0;
  const char* text = lua_tolstring(L, index, &length);
  bytes.assign(text, length);
  return true;
}

}  // namespace

bool start(const std::wstring& scriptName, const std::wstring& packName, const std::string& configuration) {
  bool idle = false;
  if (!jobRunning.compare_exchange_strong(idle, true)) return false;  // one job at a time
  parameters = {scriptName, packName, configuration};
  uintptr_t thread = _beginthreadex(nullptr, 0, jobThread, nullptr, 0, nullptr);
  if (!thread) {
    jobRunning = false;
    return false;
  }
  NotifyService::watch(reinterpret_cast<HANDLE>(thread));
  return true;
}

bool running() { return jobRunning; }

int startWork(lua_State* L) {
  std::string script, pack, configuration;
  if (!textArgument(L, 1, script) || !textArgument(L, 2, pack) || !textArgument(L, 3, configuration)) return 0;
  start(luaargs::toWide(script.data(), script.size()), luaargs::toWide(pack.data(), pack.size()), configuration);
  return 0;
}

int notifyMessage(lua_State* L) {
  const char* text = luaL_checkstring(L, 1);  // stays valid: the job waits below
  auto message = std::make_shared<NotifyRunable>(text);
  int32_t answer = NotifyRunable::kUndeliveredAnswer;
  if (message->ready()) {
    NotifyService::post(message);
    answer = message->wait();
  }
  luaargs::pushInt32(L, answer);
  return 1;
}

}  // namespace LuaWork
