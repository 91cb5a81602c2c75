// Attribute lists of Object: replace in place, defaults, identity keys, and the
// enumeration words; plus the two pools behind them.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "toolkit/core/BlockPool.h"
#include "toolkit/core/Control.h"
#include "toolkit/core/Delegate.h"
#include "toolkit/core/EventArgs.h"
#include "toolkit/core/Object.h"

namespace toolkit {
namespace {

TEST(Attributes, AbsentAttributesReportAbsenceAndTakeTheReadersDefault) {
  Object o;
  int32_t i = 7;
  Size s{1, 2};
  Rect r{1, 2, 3, 4};
  EXPECT_FALSE(o.getInt(intern(u"a"), &i));
  EXPECT_FALSE(o.getSize(intern(u"a"), &s));
  EXPECT_FALSE(o.getRect(intern(u"a"), &r));
  EXPECT_EQ(o.getText(intern(u"a")), nullptr);
  EXPECT_EQ(i, 7) << "an absent attribute leaves the output alone";
  EXPECT_EQ(o.intOr(intern(u"a"), -1), -1);
  EXPECT_EQ(o.rectOr(intern(u"a"), Rect{9, 9, 9, 9}), (Rect{9, 9, 9, 9}));
  EXPECT_EQ(o.enumOr(intern(u"a"), EnumWord::Stretch), EnumWord::Stretch);
}

TEST(Attributes, SettingAgainReplacesInPlace) {
  Object o;
  AttrKey k = intern(u"width");
  o.setInt(k, 10);
  size_t freeAfterFirst = BlockPool::freeBlocks(sizeof(void*) * 3);
  o.setInt(k, 20);
  EXPECT_EQ(o.intOr(k, 0), 20);
  EXPECT_EQ(BlockPool::freeBlocks(sizeof(void*) * 3), freeAfterFirst) << "no second entry was made";

  o.setText(intern(u"text"), u"one");
  o.setText(intern(u"text"), u"two");
  EXPECT_EQ(*o.getText(intern(u"text")), u"two");
  o.setRect(intern(u"margin"), {1, 2, 3, 4});
  o.setRect(intern(u"margin"), {5, 6, 7, 8});
  EXPECT_EQ(o.rectOr(intern(u"margin"), {}), (Rect{5, 6, 7, 8}));
  o.setSize(intern(u"initSize"), {600, 400});
  o.setSize(intern(u"initSize"), {640, 480});
  Size s;
  ASSERT_TRUE(o.getSize(intern(u"initSize"), &s));
  EXPECT_EQ(s.width, 640);
  EXPECT_EQ(s.height, 480);
}

TEST(Attributes, KindsAndKeysAreSeparate) {
  Object o;
  o.setInt(intern(u"x"), 1);
  o.setInt(intern(u"y"), 2);
  o.setRect(intern(u"x"), {3, 3, 3, 3});
  EXPECT_EQ(o.intOr(intern(u"x"), 0), 1);
  EXPECT_EQ(o.intOr(intern(u"y"), 0), 2);
  EXPECT_EQ(o.rectOr(intern(u"x"), {}), (Rect{3, 3, 3, 3}));
  EXPECT_FALSE(o.getRect(intern(u"y"), nullptr));
}

TEST(Attributes, KeysCompareByIdentity) {
  EXPECT_EQ(intern(u"margin"), attr::margin());
  Object o;
  o.setInt(attr::width(), 5);
  const char16_t sameText[] = u"width";
  EXPECT_FALSE(o.getInt(sameText, nullptr)) << "a copy of the name is not the interned key";
  EXPECT_TRUE(o.getInt(intern(sameText), nullptr));
}

TEST(BlockPool, ObjectsAreAlignedAndBlocksAreReused) {
  struct Wide : Object {
    long double value = 1;
  };
  auto* a = new Wide;
  EXPECT_EQ(reinterpret_cast<uintptr_t>(a) % alignof(std::max_align_t), 0u);
  delete a;
  auto* b = new Wide;
  EXPECT_EQ(a, b) << "a freed block goes to the head of its list";
  delete b;
}

TEST(BlockPool, BareBlocksRefillAHundredAtATime) {
  const size_t odd = 200 + 3;  // a size no other test uses
  EXPECT_EQ(BlockPool::freeBlocks(odd), 0u);
  void* block = BlockPool::allocateBlock(odd);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(BlockPool::freeBlocks(odd), BlockPool::kBlocksPerChunk - 1);
  BlockPool::releaseBlock(block, odd);
  EXPECT_EQ(BlockPool::freeBlocks(odd), BlockPool::kBlocksPerChunk);
}

TEST(BlockPool, LargeRequestsGoToTheHeap) {
  struct Big : Object {
    char payload[4000] = {};
  };
  auto* big = new Big;
  big->payload[3999] = 1;
  big->setInt(intern(u"k"), 3);
  EXPECT_EQ(big->intOr(intern(u"k"), 0), 3);
  delete big;
}

TEST(DelegatePool, ExhaustionIsReportedAndRecovers) {
  std::vector<DelegateRef> held;
  size_t before = DelegatePool::available();
  while (DelegateRef d = DelegatePool::make(nullptr, nullptr)) held.push_back(std::move(d));
  EXPECT_EQ(held.size(), before);
  Control c;
  EXPECT_FALSE(c.addHandler(Click, nullptr, [](void*, Control*, void*) {}));
  held.clear();
  EXPECT_EQ(DelegatePool::available(), before);
  EXPECT_TRUE(c.addHandler(Click, nullptr, [](void*, Control*, void*) {}));
}

TEST(DelegatePool, SharedDelegatesReturnWithTheLastReference) {
  size_t before = DelegatePool::available();
  DelegateRef a = DelegatePool::make(nullptr, [](void*, Control*, void*) {});
  DelegateRef b = a;
  a.reset();
  EXPECT_EQ(DelegatePool::available(), before - 1);
  b.reset();
  EXPECT_EQ(DelegatePool::available(), before);
}

TEST(ControlLifetime, DestroyingAScriptBoundControlTellsTheScriptRuntime) {
  static std::vector<Control*> forgotten;
  Control::setScriptForgetHook([](Control* c) { forgotten.push_back(c); });
  auto bound = std::make_unique<Control>();
  auto plain = std::make_unique<Control>();
  bound->setState(ScriptBound, true);
  Control* expected = bound.get();
  bound.reset();
  plain.reset();
  Control::setScriptForgetHook(nullptr);
  EXPECT_EQ(forgotten, std::vector<Control*>{expected});
}

TEST(ControlLifetime, DestructionDisarmsHandlersStillHeldElsewhere) {
  auto c = std::make_unique<Control>();
  c->addHandler(Click, nullptr, [](void*, Control*, void*) {});
  DelegateRef held = (*c->handlers(Click))[0];
  c.reset();
  EXPECT_FALSE(held->armed());
}

}  // namespace
}  // namespace toolkit
