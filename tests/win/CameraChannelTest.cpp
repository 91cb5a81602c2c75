// The camera-usage channel as the installer sees it. The test plays the camera side
// (it creates and fills the block), a helper program plays a camera side that holds
// the lock too long, and copies of a small helper program play the camera's users.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "TestScript.h"
#include "TestPaths.h"
#include "host/CameraChannel.h"

namespace {

using Names = std::vector<std::wstring>;

// The camera's side of the channel: the lock and the block, filled with a list.
class CameraSide {
 public:
  CameraSide() {
    lock_ = CreateMutexW(nullptr, FALSE, cameraChannel::kLockName);
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  DWORD(cameraChannel::kBlockBytes), cameraChannel::kBlockName);
    view_ = static_cast<wchar_t*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, 0));
  }
  ~CameraSide() {
    if (view_) UnmapViewOfFile(view_);
    if (mapping_) CloseHandle(mapping_);
    if (lock_) CloseHandle(lock_);
  }
  bool ready() const { return lock_ && mapping_ && view_; }
  void list(const std::wstring& text) {
    std::memset(view_, 0, cameraChannel::kBlockBytes);
    std::memcpy(view_, text.c_str(), text.size() * sizeof(wchar_t));
  }
  void fillWithoutTerminator(wchar_t unit) {
    for (size_t i = 0; i < cameraChannel::kBlockUnits; ++i) view_[i] = unit;
  }
  HANDLE lock() const { return lock_; }

 private:
  HANDLE lock_ = nullptr;
  HANDLE mapping_ = nullptr;
  wchar_t* view_ = nullptr;
};

bool blockExists() {
  HANDLE mapping = OpenFileMappingW(FILE_MAP_READ, FALSE, cameraChannel::kBlockName);
  if (mapping) CloseHandle(mapping);
  return mapping != nullptr;
}

std::wstring readChannel(bool* listed = nullptr) {
  cameraChannel::Block buffer = {};
  bool result = cameraChannel::read(buffer);
  if (listed) *listed = result;
  return buffer;
}

TEST(CameraChannelNames, AreCutAtSemicolonsSkippingEmptyFields) {
  struct Case {
    const wchar_t* list;
    Names names;
  };
  const Case cases[] = {
      {L"", {}},
      {L"a.exe;b.exe;", {L"a.exe", L"b.exe"}},
      {L"a.exe;;b.exe;", {L"a.exe", L"b.exe"}},
      {L"a.exe;b.exe", {L"a.exe"}},
      {L";;;", {}},
      {L"no separator", {}},
      {L"C:\\Apps\\a.exe;", {L"C:\\Apps\\a.exe"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(cameraChannel::listedNames(c.list, cameraChannel::kBlockUnits), c.names) << c.list;
  }
  // The scan stops at the given length even without a terminating zero.
  const wchar_t unterminated[] = {L'a', L';', L'b', L';'};
  EXPECT_EQ(cameraChannel::listedNames(unterminated, 2), Names{L"a"});
}

TEST(CameraChannelNames, AreStoppedLastFirstThenTheMainApplication) {
  EXPECT_EQ(cameraChannel::stopOrder(L"a.exe;b.exe;", 64), (Names{L"b.exe", L"a.exe", L"Orbisk.exe"}));
  EXPECT_EQ(cameraChannel::stopOrder(L"", 64), Names{L"Orbisk.exe"});
}

TEST(CameraChannel, ReadsTheListTheCameraWrote) {
  CameraSide camera;
  ASSERT_TRUE(camera.ready());
  for (const wchar_t* list : {L"a.exe;b.exe;", L"C:\\Apps\\x.exe;", L"\u4E2D\u6587.exe;"}) {
    camera.list(list);
    bool listed = false;
    EXPECT_EQ(readChannel(&listed), list);
    EXPECT_TRUE(listed);
  }
  camera.list(L"");
  bool listed = true;
  EXPECT_EQ(readChannel(&listed), L"");
  EXPECT_FALSE(listed);
}

TEST(CameraChannel, ABlockWithoutTerminatorReadsAsAtMost2047Units) {
  CameraSide camera;
  ASSERT_TRUE(camera.ready());
  camera.fillWithoutTerminator(L'x');
  EXPECT_EQ(readChannel(), std::wstring(cameraChannel::kBlockUnits - 1, L'x'));
  TestScript script;
  EXPECT_EQ(script.run("return #getRunningProcess()"), "2047");
}

TEST(CameraChannel, WithoutACameraTheReaderMakesAnEmptyBlockThatGoesAwayAgain) {
  ASSERT_FALSE(blockExists());
  bool listed = true;
  EXPECT_EQ(readChannel(&listed), L"");
  EXPECT_FALSE(listed);
  EXPECT_FALSE(blockExists());
}

TEST(CameraChannel, ALockHeldLongerThan100MsYieldsNothingWithoutBlocking) {
  CameraSide camera;
  ASSERT_TRUE(camera.ready());
  camera.list(L"a.exe;");
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, L"TalvoChannelHolderReady");
  ASSERT_NE(ready, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION holder{};
  std::wstring command = L"\"" + besideThisProgram(L"channelholder.exe") + L"\" TalvoChannelHolderReady 3000";
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &holder));
  ASSERT_EQ(WaitForSingleObject(ready, 10000), WAIT_OBJECT_0);

  auto start = std::chrono::steady_clock::now();
  bool listed = true;
  EXPECT_EQ(readChannel(&listed), L"");
  EXPECT_FALSE(listed);
  TestScript script;
  EXPECT_EQ(script.run("return getRunningProcess()"), "nil");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1500));

  WaitForSingleObject(holder.hProcess, 10000);
  EXPECT_EQ(readChannel(&listed), L"a.exe;");
  EXPECT_TRUE(listed);
  CloseHandle(holder.hThread);
  CloseHandle(holder.hProcess);
  CloseHandle(ready);
}

// Copies of a helper program under the names the camera lists, each started and
// waiting 30 s; stopped ones end with exit code 0.
class CameraUsers : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"talvo-camera-users";
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  void TearDown() override {
    for (PROCESS_INFORMATION& p : started_) {
      TerminateProcess(p.hProcess, 1);
      WaitForSingleObject(p.hProcess, 5000);
      CloseHandle(p.hThread);
      CloseHandle(p.hProcess);
    }
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  // Starts a copy named `name`; returns its index.
  size_t start(const std::wstring& name) {
    std::wstring path = folder_ + L"\\" + name;
    CopyFileW(besideThisProgram(L"exitwith.exe").c_str(), path.c_str(), FALSE);
    files_.push_back(path);
    std::wstring command = L"\"" + path + L"\" 7 30000";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &info));
    started_.push_back(info);
    return started_.size() - 1;
  }

  // The exit code once it ended within 5 s, else STILL_ACTIVE.
  DWORD exitCode(size_t index) {
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(started_[index].hProcess, 5000) == WAIT_OBJECT_0)
      GetExitCodeProcess(started_[index].hProcess, &code);
    return code;
  }
  bool stillRuns(size_t index) { return WaitForSingleObject(started_[index].hProcess, 300) == WAIT_TIMEOUT; }

 private:
  std::wstring folder_;
  std::vector<std::wstring> files_;
  std::vector<PROCESS_INFORMATION> started_;
};

TEST_F(CameraUsers, KillRunningProcessStopsTheListedProgramsAndTheMainApplication) {
  CameraSide camera;
  ASSERT_TRUE(camera.ready());
  size_t a = start(L"camuser_a.exe"), b = start(L"CamUser_B.exe"), main = start(L"Orbisk.exe");
  size_t bystander = start(L"bystander.exe");
  size_t unlisted = start(L"camuser_c.exe");
  camera.list(L"C:\\Apps\\camuser_a.exe;;CAMUSER_B.EXE;camuser_c.exe");
  TestScript script;
  EXPECT_EQ(script.run("return killRunningProcess()"), "nil");
  EXPECT_EQ(exitCode(a), 0u) << "named with a folder";
  EXPECT_EQ(exitCode(b), 0u) << "named in other letter case";
  EXPECT_EQ(exitCode(main), 0u) << "the main application";
  EXPECT_TRUE(stillRuns(bystander));
  EXPECT_TRUE(stillRuns(unlisted)) << "text after the last ';' is no name";
}

TEST_F(CameraUsers, AnEmptyChannelStopsOnlyTheMainApplication) {
  CameraSide camera;
  ASSERT_TRUE(camera.ready());
  size_t user = start(L"camuser_a.exe"), main = start(L"orbisk.EXE");
  TestScript script;
  EXPECT_EQ(script.run("return getRunningProcess()"), "nil");
  script.run("killRunningProcess()");
  EXPECT_EQ(exitCode(main), 0u);
  EXPECT_TRUE(stillRuns(user));
}

TEST_F(CameraUsers, StopByNameNeverStopsTheInstallerItself) {
  size_t other = start(L"win_tests.exe");
  cameraChannel::stopByName(besideThisProgram(L"win_tests.exe"));
  EXPECT_EQ(exitCode(other), 0u);  // another program of that name is stopped; this one lives on
}

}  // namespace
