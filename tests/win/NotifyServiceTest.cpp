// The notification service: runnables posted from other threads run on the UI
// thread in posting order, also inside a message box's loop; nothing runs outside
// the running state and what is discarded is told so; stop waits for watched threads.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "MessagePump.h"
#include "jobs/NotifyService.h"

namespace {

struct Journal {
  std::vector<std::string> runs;
  std::vector<DWORD> threads;
  std::atomic<int> drops{0};
};

class Note : public NotifyService::IRunable {
 public:
  Note(Journal& journal, std::string name, std::function<void()> then = nullptr)
      : journal_(journal), name_(std::move(name)), then_(std::move(then)) {}
  void run() override {
    journal_.runs.push_back(name_);
    journal_.threads.push_back(GetCurrentThreadId());
    if (then_) then_();
  }
  void dropped() override { ++journal_.drops; }

 private:
  Journal& journal_;
  std::string name_;
  std::function<void()> then_;
};

std::shared_ptr<Note> note(Journal& j, const char* name, std::function<void()> then = nullptr) {
  return std::make_shared<Note>(j, name, std::move(then));
}

DWORD WINAPI sleeper(void* finished) {
  Sleep(300);
  ++*static_cast<std::atomic<int>*>(finished);
  return 0;
}

class NotifyServiceTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(NotifyService::start()); }
  void TearDown() override { NotifyService::stop(); }
};

TEST_F(NotifyServiceTest, RunablesFromAWorkerRunOnTheUiThreadInOrder) {
  Journal j;
  std::thread worker([&] {
    for (const char* name : {"1", "2", "3"}) NotifyService::post(note(j, name));
  });
  worker.join();
  ASSERT_TRUE(pumpUntil([&] { return j.runs.size() == 3; }));
  EXPECT_EQ(j.runs, (std::vector<std::string>{"1", "2", "3"}));
  for (DWORD t : j.threads) EXPECT_EQ(t, GetCurrentThreadId());
}

TEST_F(NotifyServiceTest, OneRunablePerEmptyMessage) {
  Journal j;
  NotifyService::post(note(j, "1"));
  NotifyService::post(note(j, "2"));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_NULL, WM_NULL, PM_NOREMOVE));
  EXPECT_TRUE(j.runs.empty()) << "a peek that leaves the message runs nothing";
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_NULL, WM_NULL, PM_REMOVE));
  EXPECT_EQ(j.runs, std::vector<std::string>{"1"});
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_NULL, WM_NULL, PM_REMOVE));
  EXPECT_EQ(j.runs, (std::vector<std::string>{"1", "2"}));
}

TEST_F(NotifyServiceTest, ARunableMayPostAgain) {
  Journal j;
  NotifyService::post(note(j, "first", [&] { NotifyService::post(note(j, "second")); }));
  ASSERT_TRUE(pumpUntil([&] { return j.runs.size() == 2; }));
  EXPECT_EQ(j.runs, (std::vector<std::string>{"first", "second"}));
}

// The runnables run while the UI thread sits in MessageBoxW; the last one closes it.
TEST_F(NotifyServiceTest, RunablesRunInsideAMessageBoxLoop) {
  const wchar_t caption[] = L"NotifyService test box";
  Journal j;
  std::atomic<bool> boxOpen{false};
  std::thread worker([&] {
    HWND box = nullptr;
    for (int i = 0; i < 500 && !box; ++i, Sleep(10)) box = FindWindowW(nullptr, caption);
    if (!box) return;
    boxOpen = true;
    NotifyService::post(note(j, "1"));
    NotifyService::post(note(j, "2"));
    NotifyService::post(note(j, "3", [box] { PostMessageW(box, WM_COMMAND, IDOK, 0); }));
    // Should the runnables not run, the box still closes, and the test fails below.
    for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(10);
    if (IsWindow(box)) PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  MessageBoxW(nullptr, L"closed by the test", caption, MB_OK);
  size_t ranInside = j.runs.size();
  worker.join();
  ASSERT_TRUE(boxOpen);
  EXPECT_EQ(ranInside, 3u);
  EXPECT_EQ(j.runs, (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(NotifyServiceTest, QueuedRunablesAreDroppedAtStopAndNeverRun) {
  Journal j;
  NotifyService::post(note(j, "queued"));
  NotifyService::post(note(j, "queued too"));
  NotifyService::stop();
  EXPECT_EQ(j.drops, 2);
  pumpFor(50);
  EXPECT_TRUE(j.runs.empty());
}

TEST_F(NotifyServiceTest, NothingRunsBeforeStartOrAfterStop) {
  Journal j;
  NotifyService::stop();
  EXPECT_FALSE(NotifyService::running());
  NotifyService::post(note(j, "while stopped"));
  std::thread worker([&] { NotifyService::post(note(j, "from a worker while stopped")); });
  worker.join();
  EXPECT_EQ(j.drops, 2) << "the poster is told at once";
  pumpFor(50);
  ASSERT_TRUE(NotifyService::start());
  pumpFor(50);
  EXPECT_TRUE(j.runs.empty()) << "a post made before start does not run after it";
}

TEST_F(NotifyServiceTest, StopWaitsForEveryWatchedThread) {
  std::atomic<int> finished{0};
  NotifyService::watch(CreateThread(nullptr, 0, sleeper, &finished, 0, nullptr));
  Sleep(100);  // the waiter is now inside its pass for the first thread
  NotifyService::watch(CreateThread(nullptr, 0, sleeper, &finished, 0, nullptr));
  NotifyService::stop();
  EXPECT_EQ(finished, 2);
}

TEST_F(NotifyServiceTest, StopWithoutWatchedThreadsReturns) {
  NotifyService::stop();
  EXPECT_FALSE(NotifyService::running());
  NotifyService::stop();  // a second stop is harmless
}

TEST_F(NotifyServiceTest, AHandleWatchedWhileStoppedIsClosed) {
  NotifyService::stop();
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE copy = nullptr;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), event, GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS));
  NotifyService::watch(copy);
  DWORD flags = 0;
  EXPECT_FALSE(GetHandleInformation(copy, &flags)) << "the service closed what it was given";
  CloseHandle(event);
}

}  // namespace
