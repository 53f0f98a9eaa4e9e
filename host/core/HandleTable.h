// Reference-counted objects of one kind handed to the module as opaque handles. The handles
// come from the host's one HandleRegistry, so a handle of another kind, or one that outlived
// its object, is recognised and reported, never reinterpreted. Every step is O(1).
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "host/core/HandleRegistry.h"
#include "host/core/HostServices.h"
#include "host/core/LiveObjects.h"

namespace zvhost {

// What a HandleTable knows of its kind whatever its objects are: the kind, the suite that
// takes its handles, and the registry that numbers them.
class HandleKindOwner {
 public:
  HandleKindOwner(const std::string &kind, std::string suite)
      : handleKind_{kind.c_str()},
        suite_(std::move(suite)),
        registry_(HostServices::The().handles) {}

  // Reports `handle`, which the registry did not find live of this kind, as misuse of
  // `operation`: as the kind's misuse for a live handle of another kind, as `deadReason`
  // else; a null handle is answered without a report. Returns `answer`, so that a suite
  // function can end with it (`return table.Refuse(...)`) and keep its common way free of
  // the report. Out of line.
  HostErr Refuse(const void *handle, const char *operation, HostErr answer,
                 const char *deadReason = "use of a released or unknown handle") const;

 protected:
  HandleKind handleKind_;
  std::string suite_;
  HandleRegistry &registry_;
};

template <class T>
class HandleTable final : public LiveCounter, public HandleKindOwner {
 public:
  // kind names the objects in `dump refs` and findings ("TextRange"); suite names the suite
  // in findings.
  HandleTable(std::string kind, std::string suite, LiveCategory category)
      : LiveCounter(std::move(kind), category), HandleKindOwner(Kind(), std::move(suite)) {}

  // A new object with one reference for the receiver; null when no handle is left (callers
  // answer that as out of memory).
  template <class Ref>
  Ref Make(T value) {
    uint32_t index = freeSlot_;
    if (index != kNoSlot) {
      freeSlot_ = slots_[index].nextFree;
    } else {
      index = static_cast<uint32_t>(slots_.size());
      slots_.emplace_back();
    }
    Ref ref = registry_.Add<Ref>(handleKind_, index);
    if (ref == nullptr) [[unlikely]] {
      Free(index);
      return nullptr;
    }
    Slot &slot = slots_[index];
    slot.value = std::move(value);
    slot.refs = 1;
    ++liveRefs_;
    return ref;
  }

  // The object behind a live handle; null for a null handle, and for a dead or foreign one,
  // which is also reported as misuse of `operation`.
  template <class Ref>
  T *Get(Ref ref, const char *operation) {
    if (ref == nullptr) return nullptr;
    Slot *slot = Find(ref, operation, "use of a released or unknown handle");
    return slot == nullptr ? nullptr : &slot->value;
  }
  // The object behind a live handle of this kind; null for any other, reported by nobody:
  // the caller answers null with Refuse().
  template <class Ref>
  T *Live(Ref ref) {
    Slot *slot = LiveSlot(ref);
    return slot == nullptr ? nullptr : &slot->value;
  }

  template <class Ref>
  void AddRef(Ref ref, const char *operation) {
    if (ref == nullptr) return;
    Slot *slot = Find(ref, operation, "reference added to a released handle");
    if (slot == nullptr) return;
    ++slot->refs;
    ++liveRefs_;
  }

  // Releasing a null handle is accepted and does nothing.
  template <class Ref>
  void Release(Ref ref, const char *operation) {
    if (ref == nullptr) return;
    // Looked up by index and refused here (not through Find()): the index frees the slot
    // without a division, and the report stays off the common way of the release.
    const uint64_t *index = registry_.LiveTarget(ref, handleKind_);
    if (index == nullptr) [[unlikely]] {
      Refuse(ref, operation, 0, "release of a dead reference");
      return;
    }
    Slot &slot = slots_[static_cast<size_t>(*index)];
    --liveRefs_;
    if (--slot.refs > 0) return;
    // Values that hold memory give it back now; plain values are overwritten by the next Make.
    if constexpr (!std::is_trivially_destructible_v<T>) slot.value = T{};
    Free(static_cast<uint32_t>(*index));
    registry_.RemoveLive(ref);
  }

  size_t Live() const override { return liveRefs_; }

 private:
  static constexpr uint32_t kNoSlot = UINT32_MAX;

  struct Slot {
    T value{};
    uint32_t refs = 0;
    uint32_t nextFree = kNoSlot;  // while free: the slot to reuse after this one
  };

  // The slot of a live handle of this kind. Otherwise null, and the misuse is reported:
  // as `deadReason` for a handle that is released or was never one.
  Slot *Find(const void *ref, const char *operation, const char *deadReason) {
    if (Slot *slot = LiveSlot(ref)) [[likely]]
      return slot;
    Refuse(ref, operation, 0, deadReason);
    return nullptr;
  }
  // The slot of a live handle of this kind; null for any other.
  Slot *LiveSlot(const void *ref) {
    const uint64_t *index = registry_.LiveTarget(ref, handleKind_);
    return index == nullptr ? nullptr : &slots_[static_cast<size_t>(*index)];
  }
  void Free(uint32_t index) {
    slots_[index].nextFree = freeSlot_;
    freeSlot_ = index;
  }

  std::vector<Slot> slots_;
  uint32_t freeSlot_ = kNoSlot;  // the last slot freed; the registry keeps stale handles apart
  size_t liveRefs_ = 0;
};

}  // namespace zvhost
