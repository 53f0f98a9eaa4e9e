// Reference-counted objects handed to the module as opaque handles.
//
// A handle encodes a slot index and the slot's generation, so a handle that outlived its
// object is recognised (not reinterpreted) even after the slot is reused. Freed slots are
// reused oldest first, which keeps generations from wrapping quickly. Every step is O(1).
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "host/core/Findings.h"
#include "host/core/Host.h"
#include "host/core/LiveObjects.h"

namespace zvhost {

template <class T>
class HandleTable final : public LiveCounter {
 public:
  // kind names the objects in `dump refs` ("TextRange"); suite names them in findings.
  HandleTable(std::string kind, std::string suite, LiveCategory category)
      : LiveCounter(std::move(kind), category), suite_(std::move(suite)) {}

  // A new object with one reference for the receiver; null when the table is full (callers
  // answer that as out of memory).
  template <class Ref>
  Ref Make(T value) {
    uint32_t index;
    if (free_.empty() && slots_.size() >= kIndexMask) return nullptr;
    if (!free_.empty()) {
      index = free_.front();
      free_.pop_front();
    } else {
      index = static_cast<uint32_t>(slots_.size());
      slots_.emplace_back();
    }
    Slot &slot = slots_[index];
    slot.value = std::move(value);
    slot.refs = 1;
    slot.live = true;
    ++liveRefs_;
    return Encode<Ref>(index, slot.generation);
  }

  // The object behind a live handle; null for a null handle, and for a dead or foreign one,
  // which is also reported as misuse of `operation`.
  template <class Ref>
  T *Get(Ref ref, const char *operation) {
    if (ref == nullptr) return nullptr;
    Slot *slot = Find(ref);
    if (slot == nullptr) {
      Misuse(operation, "use of a released or unknown handle");
      return nullptr;
    }
    return &slot->value;
  }

  template <class Ref>
  void AddRef(Ref ref, const char *operation) {
    if (ref == nullptr) return;
    Slot *slot = Find(ref);
    if (slot == nullptr) return Misuse(operation, "reference added to a released handle");
    ++slot->refs;
    ++liveRefs_;
  }

  // Releasing a null handle is accepted and does nothing.
  template <class Ref>
  void Release(Ref ref, const char *operation) {
    if (ref == nullptr) return;
    Slot *slot = Find(ref);
    if (slot == nullptr) return Misuse(operation, "release of a dead reference");
    --liveRefs_;
    if (--slot->refs > 0) return;
    slot->value = T{};
    slot->live = false;
    ++slot->generation;
    free_.push_back(static_cast<uint32_t>(slot - slots_.data()));
  }

  size_t Live() const override { return liveRefs_; }

 private:
  static constexpr uint32_t kIndexBits = 24;
  static constexpr uint32_t kIndexMask = (1u << kIndexBits) - 1;

  struct Slot {
    T value{};
    uint32_t refs = 0;
    uint8_t generation = 1;
    bool live = false;
  };

  template <class Ref>
  static Ref Encode(uint32_t index, uint8_t generation) {
    uint32_t raw = (static_cast<uint32_t>(generation) << kIndexBits) | (index + 1);
    return reinterpret_cast<Ref>(static_cast<uintptr_t>(raw));
  }

  template <class Ref>
  Slot *Find(Ref ref) {
    uintptr_t raw = reinterpret_cast<uintptr_t>(ref);
    if (raw > UINT32_MAX) return nullptr;
    uint32_t index = (static_cast<uint32_t>(raw) & kIndexMask) - 1;
    uint8_t generation = static_cast<uint8_t>(raw >> kIndexBits);
    if (index >= slots_.size()) return nullptr;
    Slot &slot = slots_[index];
    if (!slot.live || slot.generation != generation) return nullptr;
    return &slot;
  }

  void Misuse(const char *operation, const char *reason) {
    TheHost().findings.Report(suite_ + "/" + operation, reason);
  }

  std::string suite_;
  std::vector<Slot> slots_;
  std::deque<uint32_t> free_;
  size_t liveRefs_ = 0;
};

}  // namespace zvhost
