// The restart marker against the system's record of the last shutdown time, which
// each test sets to a known value in the test prefix's registry and restores after.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "TestScript.h"
#include "host/RestartMarker.h"

namespace {

const wchar_t kWindowsKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Windows";
const std::string kTime("\x11\x22\x33\x44\x55\x66\x77\x88", 8);

HKEY openWindowsKey() {
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, kWindowsKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                  nullptr);
  return key;
}

std::string readFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<none>";
  char data[64];
  DWORD read = 0;
  ReadFile(file, data, sizeof data, &read, nullptr);
  CloseHandle(file);
  return std::string(data, read);
}

void writeFile(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class RestartMarker : public testing::Test {
 protected:
  void SetUp() override {
    key_ = openWindowsKey();
    ASSERT_NE(key_, nullptr);
    DWORD size = sizeof saved_;
    hadTime_ = RegQueryValueExW(key_, L"ShutdownTime", nullptr, &savedType_, saved_, &size) == ERROR_SUCCESS;
    savedSize_ = size;
    setShutdownTime(kTime);
    removeMarker();
  }
  void TearDown() override {
    removeMarker();
    if (hadTime_) RegSetValueExW(key_, L"ShutdownTime", 0, savedType_, saved_, savedSize_);
    else RegDeleteValueW(key_, L"ShutdownTime");
    RegCloseKey(key_);
  }

  void setShutdownTime(const std::string& bytes) {
    RegSetValueExW(key_, L"ShutdownTime", 0, REG_BINARY, reinterpret_cast<const BYTE*>(bytes.data()),
                   DWORD(bytes.size()));
  }
  void forgetShutdownTime() { RegDeleteValueW(key_, L"ShutdownTime"); }
  void removeMarker() {
    DeleteFileW(marker.c_str());
    RemoveDirectoryW(marker.c_str());
  }

  const std::wstring marker = restartMarker::path();

 private:
  HKEY key_ = nullptr;
  bool hadTime_ = false;
  DWORD savedType_ = 0, savedSize_ = 0;
  BYTE saved_[64] = {};
};

TEST_F(RestartMarker, LivesInTheTemporaryFolder) {
  wchar_t temp[MAX_PATH + 1];
  DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  ASSERT_GT(length, 0u);
  EXPECT_EQ(marker, std::wstring(temp, length) + L"\\orbisk_restart");
}

struct MarkerCase {
  const char* name;
  std::string content;
  bool pending;
};

TEST_F(RestartMarker, PendingOnlyWhileBothHalvesMatch) {
  std::string lowDiffers = kTime, highDiffers = kTime;
  lowDiffers[0] ^= 1;
  highDiffers[7] ^= 1;
  const MarkerCase cases[] = {
      {"matching", kTime, true},
      {"first half differs", lowDiffers, false},
      {"second half differs", highDiffers, false},
      {"seven bytes", kTime.substr(0, 7), false},
      {"empty", "", false},
      {"zeros", std::string(8, '\0'), false},
  };
  for (const MarkerCase& c : cases) {
    writeFile(marker, c.content);
    EXPECT_EQ(restartMarker::restartPending(), c.pending) << c.name;
    EXPECT_EQ(exists(marker), c.pending) << c.name << ": a stale marker is deleted, a live one kept";
    if (c.pending) {
      EXPECT_EQ(readFile(marker), c.content) << c.name;
    }
    removeMarker();
  }
}

TEST_F(RestartMarker, NoMarkerIsNoRestartAndCreatesNothing) {
  EXPECT_FALSE(restartMarker::restartPending());
  EXPECT_FALSE(exists(marker));
}

TEST_F(RestartMarker, AFolderOfThatNameIsNoRestartAndStays) {
  ASSERT_TRUE(CreateDirectoryW(marker.c_str(), nullptr));
  EXPECT_FALSE(restartMarker::restartPending());
  EXPECT_TRUE(exists(marker));
}

TEST_F(RestartMarker, MarkRecordsTheShutdownTimeAndAsksForDeletionAtRestart) {
  HKEY sessionManager = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Control\\Session Manager", 0,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, &sessionManager),
            ERROR_SUCCESS);
  RegDeleteValueW(sessionManager, L"PendingFileRenameOperations");

  writeFile(marker, "short");
  restartMarker::mark();
  EXPECT_EQ(readFile(marker), kTime);
  EXPECT_TRUE(restartMarker::restartPending());
  EXPECT_TRUE(exists(marker));

  wchar_t pending[4096] = L"";
  DWORD size = sizeof pending - sizeof(wchar_t);
  ASSERT_EQ(RegQueryValueExW(sessionManager, L"PendingFileRenameOperations", nullptr, nullptr,
                             reinterpret_cast<BYTE*>(pending), &size),
            ERROR_SUCCESS);
  EXPECT_NE(std::wstring(pending, size / sizeof(wchar_t)).find(L"orbisk_restart"), std::wstring::npos);
  RegDeleteValueW(sessionManager, L"PendingFileRenameOperations");
  RegCloseKey(sessionManager);

  // A restart changes the shutdown time, which makes the marker stale.
  std::string later = kTime;
  later[3] ^= 0x40;
  setShutdownTime(later);
  EXPECT_FALSE(restartMarker::restartPending());
  EXPECT_FALSE(exists(marker));
}

TEST_F(RestartMarker, ScriptsMarkTheRestartThroughMarkRestart) {
  TestScript script;
  EXPECT_EQ(script.run("return markRestart()"), "nil");
  EXPECT_EQ(readFile(marker), kTime);
}

TEST_F(RestartMarker, WithoutAShutdownTimeTheMarkerHoldsZerosAndCountsAsPending) {
  forgetShutdownTime();
  restartMarker::mark();
  EXPECT_EQ(readFile(marker), std::string(8, '\0'));
  EXPECT_TRUE(restartMarker::restartPending());
}

}  // namespace
