// One kind's store of handles, and the registry that numbers the kinds: what a handle is,
// found from its number alone, whichever store made it and whatever became of its object.
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "host/core/HandleRegistry.h"
#include "host/core/HandleStore.h"

namespace {

using zvhost::HandleKind;
using zvhost::HandleNumber;
using zvhost::HandleRegistry;
using zvhost::HandleState;
using zvhost::HandleStore;
using Ref = struct Opaque *;

uintptr_t Number(Ref ref) {
  return reinterpret_cast<uintptr_t>(ref);
}
// The index of a handle's slot.
uintptr_t SlotIndex(Ref ref) {
  return Number(ref) & HandleNumber::kIndexMask;
}

TEST(HostHandleStore, ReferencesKeepAnObjectAndTheLastReleaseFreesItAtOnce) {
  HandleRegistry registry;
  HandleStore<std::shared_ptr<int>> store(registry, HandleKind{"thing"});
  auto object = std::make_shared<int>(7);

  Ref ref = store.Make<Ref>(object);
  ASSERT_NE(ref, nullptr);
  EXPECT_EQ(object.use_count(), 2);
  ASSERT_TRUE(store.Retain(ref));
  Ref other = store.Make<Ref>(object);
  EXPECT_EQ(store.Objects(), 2u);
  EXPECT_EQ(store.References(), 3u);
  ASSERT_TRUE(store.Release(other));
  ASSERT_TRUE(store.Release(ref));
  EXPECT_EQ(store.Objects(), 1u);
  EXPECT_EQ(store.References(), 1u);
  ASSERT_NE(store.Live(ref), nullptr) << "one reference is left";
  EXPECT_EQ(**store.Live(ref), 7);

  ASSERT_TRUE(store.Release(ref));
  EXPECT_EQ(object.use_count(), 1) << "the store let go of the object with its last reference";
  EXPECT_EQ(store.Live(ref), nullptr);
  EXPECT_FALSE(store.Retain(ref));
  EXPECT_FALSE(store.Release(ref));
  EXPECT_EQ(store.Objects(), 0u);
  EXPECT_EQ(store.References(), 0u);
  EXPECT_EQ(store.StateOf(ref), HandleState::kGone);
}

TEST(HostHandleStore, AnObjectMadeFromOneOfTheStoresOwnSurvivesTheStoreGrowing) {
  HandleRegistry registry;
  HandleStore<std::string> store(registry, HandleKind{"thing"});
  const std::string text(100, 'x');
  Ref first = store.Make<Ref>(text);
  for (int copies = 0; copies < 100; ++copies) {
    Ref copy = store.Make<Ref>(*store.Live(first));
    ASSERT_EQ(*store.Live(copy), text) << copies;
  }
  EXPECT_EQ(*store.Live(first), text);
}

TEST(HostHandleStore, AReusedSlotNeverRevivesAHandleThroughEveryGeneration) {
  HandleRegistry registry;
  HandleStore<int> store(registry, HandleKind{"thing"});

  // One object at a time: the store takes turns between its two slots, each freed and taken
  // again past the wrap of its generation.
  std::vector<Ref> made;
  for (int round = 0; round < 600; ++round) {
    Ref ref = store.Make<Ref>(round);
    ASSERT_GE(Number(ref), uintptr_t{1} << 24) << "a generation of 0 at round " << round;
    ASSERT_EQ(*store.Live(ref), round);
    ASSERT_TRUE(store.Release(ref));
    made.push_back(ref);
  }
  EXPECT_EQ(SlotIndex(made[2]), SlotIndex(made[0]));
  EXPECT_NE(SlotIndex(made[1]), SlotIndex(made[0]));
  // A slot's handles repeat only after all 255 generations: every 510th made here.
  for (size_t i = 0; i < made.size(); ++i) {
    EXPECT_EQ(store.Live(made[i]), nullptr) << i;
    for (size_t j = i + 1; j < made.size() && j < i + 510; ++j) {
      ASSERT_NE(made[i], made[j]) << i << " and " << j;
    }
  }
  EXPECT_EQ(made[0], made[510]);
}

TEST(HostHandleStore, AnObjectWhoseMakingThrowsLeavesItsSlotToTheNext) {
  HandleRegistry registry;
  HandleStore<std::string> store(registry, HandleKind{"thing"});
  Ref kept = store.Make<Ref>(std::string("kept"));
  const auto throwing = [](std::string &) { throw std::bad_alloc(); };
  EXPECT_THROW(store.MakeFilled<Ref>(throwing), std::bad_alloc);
  EXPECT_THROW(store.MakeFilled<Ref>(throwing), std::bad_alloc);

  Ref made = store.Make<Ref>(std::string("made"));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(SlotIndex(made), SlotIndex(kept) + 1) << "the slot ready before the throws";
  EXPECT_EQ(*store.Live(made), "made");
  EXPECT_EQ(*store.Live(kept), "kept");
  EXPECT_EQ(store.Objects(), 2u);
  EXPECT_EQ(store.References(), 2u);
}

TEST(HostHandleStore, FreedSlotsComeBackOldestFirst) {
  HandleRegistry registry;
  HandleStore<int> store(registry, HandleKind{"thing"});
  Ref a = store.Make<Ref>(1);
  Ref b = store.Make<Ref>(2);
  Ref c = store.Make<Ref>(3);
  store.Release(b);
  store.Release(a);
  // The slot kept ready after c comes first, then those freed, in the order they were.
  Ref ready = store.Make<Ref>(4);
  for (Ref old : {a, b, c}) EXPECT_NE(SlotIndex(ready), SlotIndex(old));
  EXPECT_EQ(SlotIndex(store.Make<Ref>(5)), SlotIndex(b));
  EXPECT_EQ(SlotIndex(store.Make<Ref>(6)), SlotIndex(a));
  EXPECT_EQ(store.Objects(), 4u);
}

TEST(HostHandleStore, AFullKindRefusesANewObjectUntilOneIsFreed) {
  HandleRegistry registry;
  HandleStore<uint8_t> store(registry, HandleKind{"thing"});
  std::vector<Ref> refs;
  refs.reserve(HandleNumber::kMaxSlots);
  for (uint32_t i = 0; i < HandleNumber::kMaxSlots; ++i) {
    refs.push_back(store.Make<Ref>(1));
    ASSERT_NE(refs.back(), nullptr) << i;
  }
  EXPECT_EQ(store.Make<Ref>(1), nullptr);
  // Every handle is still its own object.
  EXPECT_EQ(store.StateOf(refs.back()), HandleState::kLive);
  EXPECT_EQ(store.Live(refs.front()), store.Live(refs.front()));
  EXPECT_NE(store.Live(refs.front()), store.Live(refs.back()));

  ASSERT_TRUE(store.Release(refs[5]));
  Ref again = store.Make<Ref>(2);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(*store.Live(again), 2);
}

// The registry tells any handle apart by its number: live of another kind, gone, or never one.
TEST(HostHandleRegistry, EveryHandleIsClassifiedByItsOwnKind) {
  HandleRegistry registry;
  HandleStore<int> ranges(registry, HandleKind{"range"});
  HandleStore<int> walks(registry, HandleKind{"walk"});
  Ref range = ranges.Make<Ref>(1);
  Ref walk = walks.Make<Ref>(2);
  Ref released = walks.Make<Ref>(3);
  walks.Release(released);

  EXPECT_EQ(ranges.Live(walk), nullptr) << "same index, another kind";
  EXPECT_EQ(walks.Live(range), nullptr);
  EXPECT_EQ(registry.Classify(walk), HandleState::kOtherKind);
  EXPECT_EQ(registry.Classify(released), HandleState::kGone);

  const uintptr_t past = (Number(range) & ~uintptr_t{HandleNumber::kIndexMask}) | 100;
  const std::vector<std::pair<uintptr_t, const char *>> unknown = {
      {0, "null"},
      {0x7777, "a small number"},
      {0xFFFFFF, "no generation"},
      {Number(range) & ~uintptr_t{HandleNumber::kIndexMask}, "no index"},
      {past, "an index never handed out"},
      {(uintptr_t{1} << 24) | (uintptr_t{40} << 18) | 1, "a kind never numbered"},
  };
  for (const auto &[number, what] : unknown) {
    const Ref ref = reinterpret_cast<Ref>(number);
    EXPECT_EQ(registry.Classify(ref), HandleState::kUnknown) << what;
    // The store finds no object for it either, nor takes a reference from one.
    EXPECT_EQ(ranges.Live(ref), nullptr) << what;
    EXPECT_FALSE(ranges.Retain(ref)) << what;
    EXPECT_FALSE(ranges.Release(ref)) << what;
  }
  EXPECT_EQ(ranges.References(), 1u);
  if constexpr (sizeof(uintptr_t) > 4) {
    // A live handle's number with high bits set, as a stray 64-bit address could be.
    const Ref wide = reinterpret_cast<Ref>(Number(range) | (uintptr_t{1} << 40));
    EXPECT_EQ(ranges.Live(wide), nullptr);
    EXPECT_EQ(registry.Classify(wide), HandleState::kUnknown);
  }
}

TEST(HostHandleRegistry, AGoneStoresHandlesAreUnknownAndItsNumberIsNotReused) {
  HandleRegistry registry;
  std::optional<HandleStore<int>> first;
  first.emplace(registry, HandleKind{"first"});
  Ref old = first->Make<Ref>(1);
  first.reset();
  EXPECT_EQ(registry.Classify(old), HandleState::kUnknown);

  HandleStore<int> second(registry, HandleKind{"second"});
  Ref fresh = second.Make<Ref>(2);
  EXPECT_NE(HandleNumber::KindOf(fresh), HandleNumber::KindOf(old));
  EXPECT_EQ(second.Live(old), nullptr);
}

TEST(HostHandleRegistry, MoreKindsThanAHandleCanNameAreRefusedLoudly) {
  HandleRegistry registry;
  std::vector<std::unique_ptr<HandleStore<int>>> stores;
  for (uint32_t i = 0; i < HandleNumber::kMaxKinds; ++i) {
    stores.push_back(std::make_unique<HandleStore<int>>(registry, HandleKind{"kind"}));
  }
  EXPECT_THROW(HandleStore<int>(registry, HandleKind{"one too many"}), std::length_error);
  stores.pop_back();
  EXPECT_THROW(HandleStore<int>(registry, HandleKind{"after one is gone"}), std::length_error)
      << "a gone kind's number stays taken";
}

}  // namespace
