// The message-handler table: registration order, the handled rule, unregistering
// during a broadcast, and broadcasts to more than sixteen handlers.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "toolkit/core/MessageHandlerTable.h"

namespace toolkit {
namespace {

struct Answerer {
  int32_t answer;
  std::vector<int32_t>* calls;
  bool handles = false;
  std::function<void()> action;
  static void onMessage(void* t, Control* sender, void* m) {
    auto* self = static_cast<Answerer*>(t);
    auto* message = static_cast<ToolkitMessage*>(m);
    EXPECT_EQ(sender, nullptr);
    self->calls->push_back(self->answer);
    message->result = self->answer;
    if (self->handles) message->handled = 1;
    if (self->action) self->action();
  }
};

ToolkitMessage progress() {
  ToolkitMessage m;
  m.id = MessageHandlerTable::kProgressMessage;
  m.parameter = reinterpret_cast<intptr_t>("{code=1}");
  return m;
}

TEST(MessageHandlerTable, NoHandlersLeavesTheResultAtZero) {
  MessageHandlerTable table;
  ToolkitMessage m = progress();
  table.broadcast(m);
  EXPECT_EQ(m.result, 0);
}

// Two handlers, a then b, answering 1 and 2.
class TwoHandlers : public ::testing::Test {
 protected:
  void SetUp() override {
    table.add(&a, &Answerer::onMessage);
    table.add(&b, &Answerer::onMessage);
  }
  std::vector<int32_t> calls;
  Answerer a{1, &calls, false, nullptr}, b{2, &calls, false, nullptr};
  MessageHandlerTable table;
};

TEST_F(TwoHandlers, RunInOrderAndTheLastResultWins) {
  ToolkitMessage m = progress();
  table.broadcast(m);
  EXPECT_EQ(calls, (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(m.result, 2);

  ToolkitMessage other = progress();
  other.id = 1025;
  table.broadcast(other);
  EXPECT_EQ(calls.size(), 2u) << "handlers are registered for 1024 only";
}

TEST_F(TwoHandlers, HandledStopsAndUnregisteredHandlersAreGone) {
  a.handles = true;
  ToolkitMessage m = progress();
  table.broadcast(m);
  EXPECT_EQ(calls, (std::vector<int32_t>{1}));

  calls.clear();
  table.remove(&a, &Answerer::onMessage);
  m = progress();
  table.broadcast(m);
  EXPECT_EQ(calls, (std::vector<int32_t>{2}));
}

TEST_F(TwoHandlers, UnregisteringDuringABroadcastSkipsTheHandler) {
  a.action = [&] { table.remove(&b, &Answerer::onMessage); };
  ToolkitMessage m = progress();
  table.broadcast(m);
  EXPECT_EQ(calls, (std::vector<int32_t>{1}));
  EXPECT_EQ(m.result, 1);
}

TEST(MessageHandlerTable, MoreThanSixteenHandlersAllHearTheBroadcast) {
  std::vector<int32_t> calls;
  std::vector<Answerer> answerers;
  for (int32_t i = 0; i < 20; ++i) answerers.push_back({i, &calls, false, nullptr});
  MessageHandlerTable table;
  for (Answerer& a : answerers) table.add(&a, &Answerer::onMessage);
  ToolkitMessage m = progress();
  table.broadcast(m);
  ASSERT_EQ(calls.size(), 20u);
  for (int32_t i = 0; i < 20; ++i) EXPECT_EQ(calls[i], i);
  EXPECT_EQ(m.result, 19);
}

}  // namespace
}  // namespace toolkit
