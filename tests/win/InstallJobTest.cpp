// The install job end to end: the real job script and payload pack, run on a job
// thread while this test plays the wizard's side natively, answering each progress
// message by a policy the test sets.
#include <gtest/gtest.h>
#include <windows.h>

#include <lauxlib.h>
#include <lualib.h>
#include <shellapi.h>
#include <shlobj.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "MessageBoxWatcher.h"
#include "TestPaths.h"
#include "host/CameraChannel.h"
#include "base/WinFiles.h"
#include "jobs/LuaWork.h"
#include "jobs/NotifyRunable.h"
#include "jobs/NotifyService.h"
#include "packs/ResourceFileSystem.h"
#include "script/LuaArgs.h"
#include "script/ScriptState.h"
#include "toolkit/core/Toolkit.h"

namespace {

// One progress message as the wizard would read it: evaluated as a table.
struct Message {
  std::string text;
  int code = 0;
  int number(const char* field) const { return int(fields.count(field) ? std::stoi(fields.at(field)) : -1); }
  std::string string(const char* field) const { return fields.count(field) ? fields.at(field) : ""; }
  std::map<std::string, std::string> fields;
};

Message evaluate(const std::string& text) {
  Message message;
  message.text = text;
  LuaStatePtr L(luaL_newstate());
  std::string chunk = "return " + text;
  if (luaL_loadstring(L.get(), chunk.c_str()) != LUA_OK || lua_pcall(L.get(), 0, 1, 0) != LUA_OK ||
      !lua_istable(L.get(), -1))
    return message;
  lua_pushnil(L.get());
  while (lua_next(L.get(), -2)) {
    lua_pushvalue(L.get(), -2);
    std::string key = lua_tostring(L.get(), -1);
    lua_pop(L.get(), 1);
    message.fields[key] = lua_tostring(L.get(), -1);
    lua_pop(L.get(), 1);
  }
  message.code = message.number("code");
  return message;
}

std::wstring tempFolder(const wchar_t* name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  return std::wstring(temp) + name + L"\\";
}

std::string readAll(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The statistics program runs on its own after a job: its log, once it holds
// `line` (or after five seconds).
std::string logOnceItHolds(const std::wstring& path, const std::string& line) {
  for (int i = 0; i < 200 && readAll(path).find(line) == std::string::npos; ++i) Sleep(25);
  return readAll(path);
}

class InstallJob : public ::testing::Test {
 protected:
  using Policy = std::function<int32_t(const Message&, size_t index)>;

  void SetUp() override {
    resources_ = std::make_unique<ResourceFileSystem>(GetModuleHandleW(nullptr));
    const std::pair<const char16_t*, int> names[] = {{u"UI.lua", 111},     {u"frame.lz", 113}, {u"LG.lua", 114},
                                                     {u"program.lz", 115}, {u"style.lz", 116}, {u"SL.lua", 122}};
    for (const auto& [name, id] : names) resources_->add(name, id);
    ResourceFileSystem::publish(resources_.get());
    ASSERT_TRUE(NotifyService::start());
    ASSERT_TRUE(toolkit::startToolkit());
    ASSERT_TRUE(toolkit::toolkitContext()->messageHandlers().add(this, &InstallJob::onMessage));
    folder_ = tempFolder(L"TalvoJobTest");
    winfiles::removeTreeQuietly(folder_);
    for (const wchar_t* log : {L"talvo-devcon.log", L"talvo-zelvocount.log"}) DeleteFileW((tempFolder(L"") + log).c_str());
  }

  void TearDown() override {
    if (toolkit::toolkitContext()) toolkit::toolkitContext()->messageHandlers().remove(this, &InstallJob::onMessage);
    toolkit::shutdownToolkit();
    NotifyService::stop();
    ResourceFileSystem::publish(nullptr);
    winfiles::removeTreeQuietly(folder_);
  }

  static void onMessage(void* target, toolkit::Control*, void* argument) {
    auto* self = static_cast<InstallJob*>(target);
    auto* message = static_cast<toolkit::ToolkitMessage*>(argument);
    self->messages_.push_back(evaluate(reinterpret_cast<const char*>(message->parameter)));
    message->result = self->policy_ ? self->policy_(self->messages_.back(), self->messages_.size() - 1) : 1;
  }

  std::string configuration() const {
    return "{installPath=[[" + luaargs::toUtf8(folder_) + "]]}";
  }

  // Starts the job and pumps messages, as the wizard's loop would, until it ends.
  void runJob(const std::wstring& script, const std::wstring& pack, const std::string& config) {
    ASSERT_TRUE(LuaWork::start(script, pack, config));
    pumpUntilDone();
  }

  void pumpUntilDone() {
    DWORD deadline = GetTickCount() + 120000;
    while (LuaWork::running() && GetTickCount() < deadline) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    ASSERT_FALSE(LuaWork::running()) << "the job did not end";
  }

  std::string codes() const {
    std::string list;
    for (const Message& m : messages_) list += (list.empty() ? "" : " ") + std::to_string(m.code);
    return list;
  }
  int count(int code) const {
    int n = 0;
    for (const Message& m : messages_) n += m.code == code;
    return n;
  }
  bool positionsConsecutive() const {
    int expected = 1;
    for (const Message& m : messages_)
      if (m.code == 4 && m.number("position") != expected++) return false;
    return true;
  }

  std::unique_ptr<ResourceFileSystem> resources_;
  std::wstring folder_;
  std::vector<Message> messages_;
  Policy policy_;
};

std::string codesOf(int count, int code) {
  std::string list;
  for (int i = 0; i < count; ++i) list += " " + std::to_string(code);
  return list;
}

// The payload files as the build staged them before packing.
std::wstring stagedPayload(const std::wstring& relative) {
  std::string build = BUILD_DIR;
  return luaargs::toWide(build.data(), build.size()) + L"\\resources\\payload-stage\\" + relative;
}

const wchar_t* const kPayloadFiles[] = {
    L"zelvo.cat", L"zelvo.inf", L"zelvo.sys", L"zelvo64.cat", L"zelvo64.sys", L"Orbisk.exe", L"TalvoBugReport.exe",
    L"DevconExe.exe", L"DevconExe64.exe", L"Effect\\bg\\bg1.fxd", L"Effect\\bg\\bg2.fxd", L"Effect\\swap\\swap.xml",
    L"Effect\\mask\\mask1.fxd", L"Effect\\mask\\mask2.fxd", L"libcurl.dll", L"msvcp110.dll", L"msvcr110.dll",
    L"Resource\\skin1.tz", L"Resource\\window1.tz", L"Resource\\skin2.tz", L"Resource\\window2.tz",
    L"Resource\\pic\\pic1.jpg", L"Resource\\pic\\pic2.jpg", L"Resource\\pic\\pic3.jpg", L"Resource\\pic\\pic4.jpg",
    L"Resource\\pic\\pic5.jpg", L"Resource\\pic\\pic6.jpg", L"Resource\\splash\\default", L"Resource\\sample.wma",
    L"unins000.exe", L"kodumper.dll", L"ZelvoCount.exe", L"zlibwapi.dll", L"Zelvo.ax"};

// Wine tells this program it runs on Windows 7: the path that removes the old driver.
TEST_F(InstallJob, CleanInstallBeforeWindows8) {
  runJob(L"LG.lua", L"program.lz", configuration());
  EXPECT_EQ(codes(), "1 3" + codesOf(44, 4) + " 2");
  EXPECT_EQ(messages_[1].number("range"), 50);
  EXPECT_TRUE(positionsConsecutive());
  EXPECT_EQ(messages_[3].string("text"), "解压文件zelvo.cat");
  for (const wchar_t* file : kPayloadFiles) {
    std::string installed = readAll(folder_ + file);
    EXPECT_FALSE(installed.empty()) << luaargs::toUtf8(file);
    EXPECT_TRUE(installed == readAll(stagedPayload(file))) << luaargs::toUtf8(file) << " differs from the payload";
  }
  // config_default was moved on into the codecs folder of the application data.
  EXPECT_EQ(GetFileAttributesW((folder_ + L"config_default").c_str()), INVALID_FILE_ATTRIBUTES);
  // The camera filter was registered with regsvr32; the statistics were told.
  HKEY filter = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID\\{7E5B2C90-1F3A-4D6C-B8E4-2A9C0F6D1B53}\\InprocServer32", 0,
                          KEY_READ, &filter), ERROR_SUCCESS);
  if (filter) RegCloseKey(filter);
  EXPECT_EQ(logOnceItHolds(tempFolder(L"") + L"talvo-zelvocount.log", "app install"), "app install 2.0.0.66\r\n");
}

// Runs this test program again as a child told by Wine that it runs on Windows 8,
// with only the given test selected; the child's exit code is its verdict.
DWORD runAsWindows8(const wchar_t* test) {
  HKEY settings = nullptr;
  const wchar_t* key = L"Software\\Wine\\AppDefaults\\win_tests.exe";
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &settings, nullptr)) return 98;
  RegSetValueExW(settings, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"win8"), 10);
  RegCloseKey(settings);
  std::wstring command =
      L"\"" + besideThisProgram(L"win_tests.exe") + L"\" --gtest_also_run_disabled_tests --gtest_filter=" + test;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  DWORD code = 99;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child)) {
    WaitForSingleObject(child.hProcess, 180000);
    GetExitCodeProcess(child.hProcess, &code);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
  }
  RegDeleteKeyW(HKEY_CURRENT_USER, key);
  return code;
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The two tests below run only in that child (they are disabled elsewhere).
TEST_F(InstallJob, OnWindows8AndLater) {
  EXPECT_EQ(runAsWindows8(L"InstallJob.DISABLED_Windows8*"), 0u);
  // The child really ran them: only they install the driver with the device console.
  EXPECT_NE(readAll(tempFolder(L"") + L"talvo-devcon.log").find("install \""), std::string::npos);
}

// The driver is installed with the device console, between codes 8 and 9.
TEST_F(InstallJob, DISABLED_Windows8CleanInstall) {
  runJob(L"LG.lua", L"program.lz", configuration());
  EXPECT_EQ(codes(), "1 3" + codesOf(43, 4) + " 8 9 2");
  EXPECT_EQ(messages_[1].number("range"), 49);
  EXPECT_TRUE(positionsConsecutive());
  EXPECT_EQ(readAll(tempFolder(L"") + L"talvo-devcon.log"),
            "install \"" + luaargs::toUtf8(folder_) + "zelvo.inf\" zelvo\r\n");
}

// Exit code 1 asks for one restart; -1 is a failed driver: statistics and code 6.
TEST_F(InstallJob, DISABLED_Windows8DeviceConsoleAnswers) {
  SetEnvironmentVariableW(L"TALVO_DEVCON_EXIT", L"1");
  runJob(L"LG.lua", L"program.lz", configuration());
  EXPECT_EQ(count(7), 1);
  EXPECT_TRUE(endsWith(codes(), " 8 9 7 2")) << codes();

  // The first job's statistics line must be written before the log is cleared, or
  // it lands in the second job's log.
  const std::wstring statistics = tempFolder(L"") + L"talvo-zelvocount.log";
  logOnceItHolds(statistics, "app install");
  messages_.clear();
  DeleteFileW(statistics.c_str());
  SetEnvironmentVariableW(L"TALVO_DEVCON_EXIT", L"-1");
  runJob(L"LG.lua", L"program.lz", configuration());
  SetEnvironmentVariableW(L"TALVO_DEVCON_EXIT", nullptr);
  EXPECT_TRUE(endsWith(codes(), " 8 9 6")) << codes();
  EXPECT_EQ(messages_.back().string("error"), "安装虚拟摄像头驱动失败");
  EXPECT_EQ(logOnceItHolds(statistics, "err_driverins"), "app err_driverins 2.0.0.66\r\n");
}

TEST_F(InstallJob, LockedFileIsRetriedUntilItCanBeWritten) {
  CreateDirectoryW(folder_.c_str(), nullptr);
  CreateDirectoryW((folder_ + L"Resource").c_str(), nullptr);
  HANDLE lock = CreateFileW((folder_ + L"Resource\\sample.wma").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  policy_ = [&](const Message& m, size_t) -> int32_t {
    if (m.code != 5) return 1;
    EXPECT_EQ(m.string("file"), luaargs::toUtf8(folder_) + "Resource\\sample.wma");
    if (count(5) == 2 && lock) {  // the user closed the other program, then pressed Retry
      CloseHandle(lock);
      lock = nullptr;
    }
    return 4;
  };
  runJob(L"LG.lua", L"program.lz", configuration());
  if (lock) CloseHandle(lock);
  EXPECT_EQ(count(5), 2);
  EXPECT_EQ(messages_.back().code, 2);
  EXPECT_TRUE(readAll(folder_ + L"Resource\\sample.wma") == readAll(stagedPayload(L"Resource\\sample.wma")));
}

TEST_F(InstallJob, CancelWhileAFileIsLockedEndsTheJob) {
  CreateDirectoryW(folder_.c_str(), nullptr);
  HANDLE lock = CreateFileW((folder_ + L"libcurl.dll").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  policy_ = [](const Message& m, size_t) { return m.code == 5 ? 2 : 1; };
  runJob(L"LG.lua", L"program.lz", configuration());
  CloseHandle(lock);
  EXPECT_EQ(messages_.back().code, 5) << "nothing is sent after Cancel";
  EXPECT_EQ(count(5), 1);
  EXPECT_EQ(GetFileAttributesW((folder_ + L"msvcp110.dll").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(InstallJob, MissingMembersAreReportedUntilCancel) {
  resources_->add(u"empty-payload.lz", 113);  // the markup pack: none of the payload's names
  policy_ = [](const Message& m, size_t) { return m.code == 5 ? 2 : 1; };
  runJob(L"LG.lua", L"empty-payload.lz", configuration());
  EXPECT_EQ(codes(), "1 3 4 4 5");
  EXPECT_EQ(messages_.back().string("file"), luaargs::toUtf8(folder_) + "zelvo.cat");
}

// The camera's side of the channel: the block, listing programs that use it.
class CameraUsers {
 public:
  explicit CameraUsers(const wchar_t* list) {
    lock_ = CreateMutexW(nullptr, FALSE, cameraChannel::kLockName);
    block_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, cameraChannel::kBlockBytes,
                                cameraChannel::kBlockName);
    void* view = block_ ? MapViewOfFile(block_, FILE_MAP_WRITE, 0, 0, 0) : nullptr;
    if (view) {
      lstrcpynW(static_cast<wchar_t*>(view), list, int(cameraChannel::kBlockUnits));
      UnmapViewOfFile(view);
    }
  }
  ~CameraUsers() {
    if (block_) CloseHandle(block_);
    if (lock_) CloseHandle(lock_);
  }

 private:
  HANDLE lock_ = nullptr;
  HANDLE block_ = nullptr;
};

TEST_F(InstallJob, CameraUsersAreStoppedOnlyWithTheUsersConsent) {
  CameraUsers users(L"exitwith.exe;");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION busy{};
  std::wstring command = L"\"" + besideThisProgram(L"exitwith.exe") + L"\" 0 60000";
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &busy));

  policy_ = [](const Message& m, size_t) { return m.code == 10 ? 2 : 1; };
  runJob(L"LG.lua", L"program.lz", configuration());
  EXPECT_EQ(codes(), "1 3 10");
  EXPECT_EQ(messages_.back().string("file"), "exitwith.exe\n");
  EXPECT_EQ(WaitForSingleObject(busy.hProcess, 0), DWORD(WAIT_TIMEOUT)) << "Cancel stops nothing";

  messages_.clear();
  policy_ = nullptr;  // OK to everything
  runJob(L"LG.lua", L"program.lz", configuration());
  EXPECT_EQ(WaitForSingleObject(busy.hProcess, 10000), DWORD(WAIT_OBJECT_0)) << "OK stops the camera's user";
  EXPECT_EQ(messages_.back().code, 2);
  TerminateProcess(busy.hProcess, 0);
  CloseHandle(busy.hThread);
  CloseHandle(busy.hProcess);
}

std::wstring appData() {
  wchar_t folder[MAX_PATH];
  return SHGetSpecialFolderPathW(nullptr, folder, CSIDL_APPDATA, TRUE) ? folder : L"";
}

void touch(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST_F(InstallJob, TidiesWhatAnOlderVersionLeft) {
  std::wstring orbisk = appData() + L"\\Orbisk\\";
  ASSERT_FALSE(appData().empty());
  const wchar_t* oldFolders[] = {L"skinwhitening", L"边框", L"灯光", L"动画", L"挂件"};
  for (const wchar_t* sub : {L"", L"Effect", L"Codecs", L"Effect\\keep"}) CreateDirectoryW((orbisk + sub).c_str(), nullptr);
  for (const wchar_t* old : oldFolders) {
    CreateDirectoryW((orbisk + L"Effect\\" + old).c_str(), nullptr);
    touch(orbisk + L"Effect\\" + old + L"\\inside.fx");
  }
  touch(orbisk + L"Effect\\effects.json");
  touch(orbisk + L"Codecs\\manifest");
  touch(orbisk + L"Effect\\keep\\mine.fx");

  runJob(L"LG.lua", L"program.lz", configuration());
  ASSERT_EQ(messages_.back().code, 2);
  for (const wchar_t* old : oldFolders) EXPECT_FALSE(exists(orbisk + L"Effect\\" + old)) << luaargs::toUtf8(old);
  EXPECT_FALSE(exists(orbisk + L"Effect\\effects.json"));
  EXPECT_FALSE(exists(orbisk + L"Codecs\\manifest"));
  EXPECT_TRUE(exists(orbisk + L"Effect\\keep\\mine.fx")) << "only what the old version left goes";
  EXPECT_EQ(readAll(orbisk + L"codecs\\config_default"), readAll(stagedPayload(L"config_default")));
  winfiles::removeTreeQuietly(orbisk);
}

TEST_F(InstallJob, EmptyConfigurationLeavesConfigUnset) {
  MessageBoxWatcher errors(L"错误");
  runJob(L"LG.lua", L"program.lz", "");
  Sleep(300);
  auto boxes = errors.seen();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find(L"config"), std::wstring::npos) << "the script found config unset";
  EXPECT_TRUE(messages_.empty());
}

TEST_F(InstallJob, ScriptThatDoesNotLoadShowsOneError) {
  MessageBoxWatcher errors(L"错误");
  runJob(L"frame.lz", L"program.lz", configuration());  // binary bytes are no Lua source
  Sleep(300);
  EXPECT_EQ(errors.seen().size(), 1u);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(InstallJob, MissingScriptOrPackStartsNothingVisible) {
  MessageBoxWatcher errors(L"错误");
  runJob(L"absent.lua", L"program.lz", configuration());
  runJob(L"LG.lua", L"absent.lz", configuration());
  Sleep(300);
  EXPECT_TRUE(errors.seen().empty());
  EXPECT_TRUE(messages_.empty());
  EXPECT_EQ(GetFileAttributesW(folder_.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing was written";
}

TEST_F(InstallJob, SecondStartWhileAJobRunsIsRefused) {
  ASSERT_TRUE(LuaWork::start(L"LG.lua", L"program.lz", configuration()));
  EXPECT_FALSE(LuaWork::start(L"LG.lua", L"absent.lz", "{}"));
  pumpUntilDone();
  EXPECT_EQ(messages_.back().code, 2) << "the first job ran with its own parameters";
}

// The runnable itself: no listener answers 0; a message that can never be delivered
// answers cancel at once instead of leaving the job waiting.
TEST_F(InstallJob, MessagesWithoutListenerOrService) {
  toolkit::toolkitContext()->messageHandlers().remove(this, &InstallJob::onMessage);
  LuaWork::NotifyRunable unheard("{code=1}");
  unheard.run();
  EXPECT_EQ(unheard.wait(), 0);

  LuaWork::NotifyRunable dropped("{code=1}");
  dropped.dropped();
  EXPECT_EQ(dropped.wait(), 2);

  NotifyService::stop();
  LuaStatePtr L(luaL_newstate());
  lua_register(L.get(), "notifyMessage", LuaWork::notifyMessage);
  ASSERT_EQ(luaL_dostring(L.get(), "return notifyMessage('{code=1}')"), LUA_OK);
  EXPECT_EQ(lua_tointeger(L.get(), -1), 2) << "posted while the service is stopped";
}

}  // namespace
