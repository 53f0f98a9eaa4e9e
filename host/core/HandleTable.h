// Reference-counted objects of one kind handed to the module as opaque handles. The handles
// come from the host's one HandleRegistry, so a handle of another kind, or one that outlived
// its object, is recognised and reported, never reinterpreted. Every step is O(1).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/core/HandleRegistry.h"
#include "host/core/HostServices.h"
#include "host/core/LiveObjects.h"

namespace zvhost {

// Reports a handle in `state` given to SUITE/OPERATION where a live one of `kind` was
// expected: as the kind's misuse for a live handle of another kind, as `deadReason` else.
// Out of line, so that the look-ups that succeed stay short.
void ReportHandleMisuse(HandleState state, const HandleKind &kind, const std::string &suite,
                        const char *operation, const char *deadReason);

template <class T>
class HandleTable final : public LiveCounter {
 public:
  // kind names the objects in `dump refs` and findings ("TextRange"); suite names the suite
  // in findings.
  HandleTable(std::string kind, std::string suite, LiveCategory category)
      : LiveCounter(std::move(kind), category),
        handleKind_{Kind().c_str()},
        suite_(std::move(suite)),
        registry_(HostServices::The().handles) {}

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
    Slot *slot = Find(ref, operation, "release of a dead reference");
    if (slot == nullptr) return;
    --liveRefs_;
    if (--slot->refs > 0) return;
    slot->value = T{};
    Free(static_cast<uint32_t>(slot - slots_.data()));
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
    if (const uint64_t *index = registry_.LiveTarget(ref, handleKind_)) [[likely]]
      return &slots_[static_cast<size_t>(*index)];
    ReportHandleMisuse(registry_.Classify(ref), handleKind_, suite_, operation, deadReason);
    return nullptr;
  }
  void Free(uint32_t index) {
    slots_[index].nextFree = freeSlot_;
    freeSlot_ = index;
  }

  HandleKind handleKind_;
  std::string suite_;
  HandleRegistry &registry_;
  std::vector<Slot> slots_;
  uint32_t freeSlot_ = kNoSlot;  // the last slot freed; the registry keeps stale handles apart
  size_t liveRefs_ = 0;
};

}  // namespace zvhost
