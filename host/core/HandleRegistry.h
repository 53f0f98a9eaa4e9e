// Every handle the host hands to the module, of every kind, numbered in one space: a handle
// of one kind is never taken for another, and one that outlived its object is recognised
// (not reinterpreted) even after its number's slot is reused.
//
// A handle encodes a slot index and the slot's generation; the slot records the handle's kind
// and what it names for its owner (an index or an address). Freed slots are reused oldest
// first, which keeps generations from wrapping quickly. Every step is O(1), and finding a
// live handle of the kind asked for is one comparison of its kind and one of its generation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zvhost {

// One kind of handle. Kinds are told apart by address, so each is one object that lives as
// long as its handles may be looked up.
struct HandleKind {
  const char *noun;  // "menu item", "TextRange": what a finding calls it
};

enum class HandleState {
  kLive,       // a live handle of the kind asked for
  kOtherKind,  // a live handle of another kind
  kGone,       // a handle the host handed out whose object is gone
  kUnknown,    // not a handle the host handed out
};

class HandleRegistry {
 public:
  // A new handle of `kind` naming `target`; null when every number is taken (callers answer
  // that as out of memory).
  template <class Ref>
  Ref Add(const HandleKind &kind, uint64_t target) {
    uint32_t index = firstFree_;
    if (index != kNoSlot) [[likely]] {
      firstFree_ = slots_[index].nextFree;
      if (firstFree_ == kNoSlot) lastFree_ = kNoSlot;
    } else {
      index = Grow();
      if (index == kNoSlot) return nullptr;
    }
    Slot &slot = slots_[index];
    slot.kind = &kind;
    slot.target = target;
    ++live_;
    // The generation is never 0, so no handle is below 1 << 24: a small number passed by
    // mistake is never taken for one.
    const uint32_t number = (static_cast<uint32_t>(slot.generation) << kIndexBits) | (index + 1);
    return reinterpret_cast<Ref>(static_cast<uintptr_t>(number));
  }

  // What a live handle of `kind` names; null for any other handle (Classify() tells what it
  // is). The address stays good until the next Add().
  const uint64_t *LiveTarget(const void *handle, const HandleKind &kind) const {
    const uintptr_t number = reinterpret_cast<uintptr_t>(handle);
    // Index 0 wraps to the largest index, and a number wider than 32 bits has a "generation"
    // above 255: neither passes, so neither needs a test of its own here.
    const size_t index = static_cast<uint32_t>(number & kIndexMask) - 1u;
    if (index < slotCount_) {
      const Slot &slot = slots_[index];
      if (slot.kind == &kind && (number >> kIndexBits) == slot.generation) return &slot.target;
    }
    return nullptr;
  }

  // What `handle` is for a caller that wants one of `kind`; on kLive, `*target` is what it
  // names.
  HandleState Find(const void *handle, const HandleKind &kind, uint64_t *target) const {
    if (const uint64_t *found = LiveTarget(handle, kind)) {
      *target = *found;
      return HandleState::kLive;
    }
    return Classify(handle);
  }
  // What a handle that LiveTarget() did not take as a live one of the kind asked for is.
  HandleState Classify(const void *handle) const;

  // The handle names nothing from now on. A handle that is not live is left alone.
  void Remove(const void *handle);
  // The same for a handle that LiveTarget() has just found live.
  void RemoveLive(const void *handle) {
    const uint32_t index =
        (static_cast<uint32_t>(reinterpret_cast<uintptr_t>(handle)) & kIndexMask) - 1;
    Slot &slot = slots_[index];
    slot.kind = nullptr;
    slot.nextFree = kNoSlot;
    // Skips 0 when it wraps: 0 marks a number the host never handed out.
    if (++slot.generation == 0) slot.generation = 1;
    --live_;
    if (lastFree_ == kNoSlot) {
      firstFree_ = index;
    } else {
      slots_[lastFree_].nextFree = index;
    }
    lastFree_ = index;
  }

  size_t Live() const { return live_; }

 private:
  static constexpr uint32_t kIndexBits = 24;
  static constexpr uint32_t kIndexMask = (1u << kIndexBits) - 1;
  static constexpr uint32_t kNoSlot = UINT32_MAX;

  struct Slot {
    const HandleKind *kind = nullptr;  // null while the slot is free
    uint64_t target = 0;
    uint32_t nextFree = kNoSlot;  // while free: the slot freed after this one
    uint8_t generation = 1;
  };

  // A new slot at the end; kNoSlot when every index is taken.
  uint32_t Grow();
  // The slot a handle's number points at, whatever its generation; null for none.
  const Slot *SlotOf(const void *handle, uint8_t *generation) const;

  std::vector<Slot> slots_;
  size_t slotCount_ = 0;  // slots_.size(), read by every look-up
  // Freed slots as a queue through Slot::nextFree, oldest first.
  uint32_t firstFree_ = kNoSlot;
  uint32_t lastFree_ = kNoSlot;
  size_t live_ = 0;
};

// The reason a finding gives for a handle in `state` where one of `kind` was expected:
// "use of a destroyed dialog", "menu item expected, but the handle names an object of
// another kind".
std::string HandleMisuse(HandleState state, const HandleKind &kind);

}  // namespace zvhost
