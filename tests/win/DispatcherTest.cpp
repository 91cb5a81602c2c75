// The toolkit's lifetime and its dispatcher window: posted calls from other threads
// run on the UI thread in posting order after the current message, are refused
// before start and after shutdown, and still run when posted just before shutdown.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "../toolkit/FakeWindow.h"
#include "MessagePump.h"
#include "toolkit/core/Dispatcher.h"
#include "toolkit/core/EventRouter.h"
#include "toolkit/core/Panel.h"
#include "toolkit/core/Toolkit.h"

namespace toolkit {
namespace {

struct CallLog {
  std::vector<std::string> entries;
  std::vector<DWORD> threads;
  static void record(void* target, Control*, void* argument) {
    auto* log = static_cast<CallLog*>(target);
    log->entries.push_back(static_cast<const char*>(argument));
    log->threads.push_back(GetCurrentThreadId());
  }
};

class Dispatcher : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(startToolkit()); }
  void TearDown() override { shutdownToolkit(); }
};

TEST_F(Dispatcher, WindowExistsHiddenWhileTheToolkitRuns) {
  HWND window = FindWindowW(dispatcher::kWindowClass, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window, toolkitContext()->dispatcherWindow());
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  shutdownToolkit();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(toolkitContext(), nullptr);
}

TEST_F(Dispatcher, AlphaBlendComesFromTheSystemLibrary) {
  ASSERT_NE(alphaBlend(), nullptr);
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  HMODULE loaded = GetModuleHandleW((std::wstring(system) + L"\\msimg32.dll").c_str());
  EXPECT_NE(loaded, nullptr);
  shutdownToolkit();
  EXPECT_EQ(alphaBlend(), nullptr);
}

TEST_F(Dispatcher, CallsFromAWorkerRunOnTheUiThreadInPostingOrder) {
  CallLog log;
  std::thread worker([&] {
    for (const char* name : {"one", "two", "three"}) EXPECT_TRUE(postCall(&log, &CallLog::record, nullptr, (void*)name));
  });
  worker.join();
  EXPECT_TRUE(log.entries.empty()) << "nothing runs until the UI thread pumps";
  ASSERT_TRUE(pumpUntil([&] { return log.entries.size() == 3; }));
  EXPECT_EQ(log.entries, (std::vector<std::string>{"one", "two", "three"}));
  for (DWORD t : log.threads) EXPECT_EQ(t, GetCurrentThreadId());
}

TEST_F(Dispatcher, ACallPostedDuringAMessageRunsAfterIt) {
  struct Outer {
    CallLog* log;
    static void run(void* target, Control*, void*) {
      auto* self = static_cast<Outer*>(target);
      self->log->entries.push_back("outer begins");
      std::thread worker([&] { postCall(self->log, &CallLog::record, nullptr, (void*)"posted meanwhile"); });
      worker.join();
      self->log->entries.push_back("outer ends");
    }
  };
  CallLog log;
  Outer outer{&log};
  ASSERT_TRUE(postCall(&outer, &Outer::run, nullptr, nullptr));
  ASSERT_TRUE(pumpUntil([&] { return log.entries.size() == 3; }));
  EXPECT_EQ(log.entries, (std::vector<std::string>{"outer begins", "outer ends", "posted meanwhile"}));
}

TEST_F(Dispatcher, CallsPostedBeforeShutdownRunInItsDrain) {
  CallLog log;
  ASSERT_TRUE(postCall(&log, &CallLog::record, nullptr, (void*)"a"));
  ASSERT_TRUE(postCall(&log, &CallLog::record, nullptr, (void*)"b"));
  shutdownToolkit();
  EXPECT_EQ(log.entries, (std::vector<std::string>{"a", "b"}));
}

TEST_F(Dispatcher, NothingIsPostedBeforeStartOrAfterShutdown) {
  CallLog log;
  shutdownToolkit();
  EXPECT_FALSE(postCall(&log, &CallLog::record, nullptr, (void*)"after shutdown"));
  std::thread worker([&] { EXPECT_FALSE(postCall(&log, &CallLog::record, nullptr, (void*)"from a worker")); });
  worker.join();
  pumpFor(50);
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(Dispatcher, PostedEventsReachAttachedControlsOnly) {
  std::vector<std::pair<Control*, uint32_t>> clicks;
  auto onClick = [](void* t, Control* sender, void* a) {
    static_cast<std::vector<std::pair<Control*, uint32_t>>*>(t)->push_back({sender, static_cast<EventArgs*>(a)->handled});
  };
  testing::FakeWindow window;
  auto root = std::make_unique<Panel>();
  Control* stays = root->addChild(std::make_unique<Control>());
  Control* goes = root->addChild(std::make_unique<Control>());
  window.open(std::move(root));
  stays->addHandler(Click, &clicks, onClick);
  goes->addHandler(Click, &clicks, onClick);

  EventArgs click{Click, Direct, 0, 0, 1};
  postEvent(*stays, click);
  postEvent(*goes, click);
  goes->parent()->removeChild(goes);  // detached and deleted before the dispatcher runs
  EXPECT_TRUE(clicks.empty()) << "posted, not raised";
  pumpFor(100);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].first, stays);
  EXPECT_EQ(clicks[0].second, 0u) << "a posted event starts unhandled";
}

TEST_F(Dispatcher, MessageHandlersHearBroadcastsThroughTheContext) {
  struct Answer {
    static void fn(void* t, Control*, void* m) { static_cast<ToolkitMessage*>(m)->result = *static_cast<int32_t*>(t); }
  };
  int32_t answer = 4;
  MessageHandlerTable& table = toolkitContext()->messageHandlers();
  ASSERT_TRUE(table.add(&answer, &Answer::fn));
  ToolkitMessage m;
  m.id = MessageHandlerTable::kProgressMessage;
  table.broadcast(m);
  EXPECT_EQ(m.result, 4);
  table.remove(&answer, &Answer::fn);
  m.result = 0;
  table.broadcast(m);
  EXPECT_EQ(m.result, 0) << "an unregistered handler no longer hears it";
}

}  // namespace
}  // namespace toolkit
