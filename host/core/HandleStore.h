// Objects of one kind, each named to the module by a handle that holds its slot's index, its
// kind's number and its slot's generation. A slot holds the object, its reference count and
// its handle's number while it is live, so finding a live handle of the kind is one
// comparison and making or freeing an object touches one slot. The host's HandleRegistry
// numbers the kinds, so a handle of another kind, or one that outlived its object, is
// recognised (not reinterpreted) even after its slot is reused.
//
// A handle is 32 bits: the generation (8, never 0), the kind (6, never 0) and the slot's
// index (18, never 0). No handle is below 1 << 24, so a small number passed by mistake is
// never taken for one. Free slots are reused oldest first, which keeps generations from
// wrapping quickly, and one is always ready: the store grows once a new object has taken the
// last, so making an object never moves the store's objects before it is made. Making,
// finding and freeing an object are O(1); counting the live ones is a scan, for the rare
// reports.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "HostTypes.h"

namespace zvhost {

class HandleRegistry;

// What a kind of handle is called in findings: "menu item", "TextRange".
struct HandleKind {
  const char *noun;
};

enum class HandleState {
  kLive,       // a live handle of the kind asked for
  kOtherKind,  // a live handle of another kind
  kGone,       // a handle the host handed out whose object is gone
  kUnknown,    // not a handle the host handed out
};

// The layout of a handle's number.
struct HandleNumber {
  static constexpr uint32_t kIndexBits = 18;
  static constexpr uint32_t kKindBits = 6;
  static constexpr uint32_t kIndexMask = (1u << kIndexBits) - 1;
  static constexpr uint32_t kKindMask = (1u << kKindBits) - 1;
  static constexpr uint32_t kMaxSlots = kIndexMask;  // indices 1 to kIndexMask
  static constexpr uint32_t kMaxKinds = kKindMask;   // kind numbers 1 to 63

  // The bits above the index: what a slot keeps for its next handle.
  static constexpr uint16_t Tag(uint8_t generation, uint32_t kind) {
    return static_cast<uint16_t>((uint32_t{generation} << kKindBits) | kind);
  }
  // The kind number of a handle, 0 for a number that cannot be a handle (above 32 bits, or
  // with no generation or no index).
  static uint32_t KindOf(const void *handle) {
    const uint64_t raw = reinterpret_cast<uintptr_t>(handle);
    if (raw > UINT32_MAX || (raw >> (kIndexBits + kKindBits)) == 0 || (raw & kIndexMask) == 0) {
      return 0;
    }
    return static_cast<uint32_t>(raw >> kIndexBits) & kKindMask;
  }
};

// What every store is to the registry: a kind with a number, which can tell what a handle
// of its number is.
class HandleStoreBase {
 public:
  // Takes the kind's number from `registry`, which must outlive the store.
  HandleStoreBase(HandleRegistry &registry, HandleKind kind);
  virtual ~HandleStoreBase();
  HandleStoreBase(const HandleStoreBase &) = delete;
  HandleStoreBase &operator=(const HandleStoreBase &) = delete;

  const HandleKind &Kind() const { return kind_; }
  uint32_t KindNumber() const { return kindNumber_; }
  const HandleRegistry &Registry() const { return registry_; }
  // What a handle that carries this store's kind number is: kLive, kGone or kUnknown.
  virtual HandleState StateOf(const void *handle) const = 0;

 private:
  HandleRegistry &registry_;
  HandleKind kind_;
  uint32_t kindNumber_;
};

template <class T>
class HandleStore final : public HandleStoreBase {
 public:
  // A store with one free slot; a new object always finds one ready.
  HandleStore(HandleRegistry &registry, HandleKind kind) : HandleStoreBase(registry, kind) {
    // Index 0, which no handle has: its number has another index, so null and every other
    // number of index 0 find nothing.
    slots_.emplace_back().number = UINT32_MAX;
    AddFreeSlot();
  }

  // A new object with one reference, made from `value`; null when every slot of the kind is
  // taken.
  template <class Ref, class Value>
  Ref Make(Value &&value) {
    return MakeFilled<Ref>([&](T &object) { object = std::forward<Value>(value); });
  }
  // The same, built by fill(object) in its slot, so that it is not copied: a copy right after
  // the writes that built it would wait for them. The slot holds what Free() left: T{} for a
  // kind that holds memory, else the last object, which fill overwrites.
  template <class Ref, class Fill>
  Ref MakeFilled(Fill &&fill) {
    const uint32_t index = firstFree_;
    if (index == kNoSlot) [[unlikely]]
      return nullptr;
    Slot &slot = slots_[index];
    // The slot leaves the free queue only once it is filled: a fill that throws leaves it
    // first in the queue, not lost.
    fill(slot.value);
    firstFree_ = slot.nextFree;
    slot.refs = 1;
    const uint32_t number = (uint32_t{slot.nextTag} << HandleNumber::kIndexBits) | index;
    slot.number = number;
    // Only now, with the object made from what may be one of the store's own objects:
    // growing moves them.
    if (firstFree_ == kNoSlot) [[unlikely]]
      AddFreeSlot();
    return reinterpret_cast<Ref>(static_cast<uintptr_t>(number));
  }

  // The object behind a live handle of this kind; null for any other handle.
  T *Live(const void *handle) {
    Slot *slot = LiveSlot(handle);
    return slot == nullptr ? nullptr : &slot->value;
  }
  const T *Live(const void *handle) const { return const_cast<HandleStore *>(this)->Live(handle); }

  // One reference more on a live handle of this kind; false for any other handle.
  bool Retain(const void *handle) {
    Slot *slot = LiveSlot(handle);
    if (slot == nullptr) [[unlikely]]
      return false;
    ++slot->refs;
    return true;
  }
  // One reference less on a live handle of this kind; the last one frees its object and
  // slot. False for any other handle.
  bool Release(const void *handle) {
    Slot *slot = LiveSlot(handle);
    if (slot == nullptr) [[unlikely]]
      return false;
    if (--slot->refs == 0) Free(static_cast<uint32_t>(IndexOf(handle)));
    return true;
  }

  // Objects alive now, and the references they hold. Counted when asked (for `dump refs`
  // and the leak check), so that making and freeing objects counts nothing.
  size_t Objects() const {
    size_t live = 0;
    for (const Slot &slot : slots_) live += slot.refs != 0 ? 1 : 0;
    return live;
  }
  size_t References() const {
    size_t references = 0;
    for (const Slot &slot : slots_) references += slot.refs;
    return references;
  }

  HandleState StateOf(const void *handle) const override {
    const size_t index = IndexOf(handle);
    if (index == 0 || index >= slotCount_) return HandleState::kUnknown;
    return IsNumberOf(slots_[index], handle) ? HandleState::kLive : HandleState::kGone;
  }

 private:
  static constexpr uint32_t kNoSlot = UINT32_MAX;

  struct SlotFields {
    T value{};
    uint32_t refs = 0;
    uint32_t nextFree = kNoSlot;  // while free: the slot freed after this one
    uint32_t number = 0;          // while live: its handle's number; else 0
    uint16_t nextTag = 0;         // the bits above the index of the slot's next handle
  };
  // A slot is padded to a power of two bytes, so that finding one by its index is a shift.
  static constexpr size_t kPadding = std::bit_ceil(sizeof(SlotFields)) - sizeof(SlotFields);
  struct PaddedSlot : SlotFields {
    std::byte padding[kPadding];
  };
  using Slot = std::conditional_t<kPadding == 0, SlotFields, PaddedSlot>;

  // A handle's slot index. Slot 0 is never live, so index 0 finds no object.
  static size_t IndexOf(const void *handle) {
    return reinterpret_cast<uintptr_t>(handle) & HandleNumber::kIndexMask;
  }
  // Whether `handle` is the live handle of `slot`. A number wider than 32 bits never equals
  // a slot's.
  static bool IsNumberOf(const Slot &slot, const void *handle) {
    return slot.number == reinterpret_cast<uintptr_t>(handle);
  }
  // The tag of a slot's first handle, and of the next after the last generation.
  uint16_t FirstTag() const { return HandleNumber::Tag(1, KindNumber()); }

  Slot *LiveSlot(const void *handle) {
    const size_t index = IndexOf(handle);
    if (index < slotCount_) [[likely]] {
      Slot &slot = slots_[index];
      if (IsNumberOf(slot, handle)) [[likely]]
        return &slot;
    }
    return nullptr;
  }

  // Adds a slot to the end of the free queue, unless the kind has every slot it may have.
  ZV_COLD void AddFreeSlot() {
    if (slots_.size() > HandleNumber::kMaxSlots) return;
    slots_.emplace_back().nextTag = FirstTag();
    slotCount_ = slots_.size();
    Enqueue(static_cast<uint32_t>(slotCount_ - 1));
  }

  void Free(uint32_t index) {
    Slot &slot = slots_[index];
    // Values that hold memory give it back now; plain values are overwritten by the next Make.
    if constexpr (!std::is_trivially_destructible_v<T>) slot.value = T{};
    slot.number = 0;
    // The next generation; past the last, the first again (0 marks a number never handed out).
    slot.nextTag += 1u << HandleNumber::kKindBits;
    if (slot.nextTag >> HandleNumber::kKindBits > UINT8_MAX) {
      slot.nextTag = FirstTag();
    }
    Enqueue(index);
  }

  // Puts a free slot at the end of the queue.
  void Enqueue(uint32_t index) {
    slots_[index].nextFree = kNoSlot;
    if (firstFree_ == kNoSlot) {
      firstFree_ = index;
    } else {
      slots_[lastFree_].nextFree = index;
    }
    lastFree_ = index;
  }

  // Slot i holds the object of the handles with index i; slot 0 is never handed out.
  std::vector<Slot> slots_;
  size_t slotCount_ = 0;  // slots_.size(), read by every look-up
  // Free slots as a queue through Slot::nextFree, oldest first; lastFree_ holds while
  // firstFree_ is a slot.
  uint32_t firstFree_ = kNoSlot;
  uint32_t lastFree_ = kNoSlot;
};

}  // namespace zvhost
