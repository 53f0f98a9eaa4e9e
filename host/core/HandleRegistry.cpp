#include "host/core/HandleRegistry.h"

namespace zvhost {

uint32_t HandleRegistry::AddRaw(const HandleKind &kind, uint64_t target) {
  uint32_t index;
  if (firstFree_ != kNoSlot) {
    index = firstFree_;
    firstFree_ = slots_[index].nextFree;
    if (firstFree_ == kNoSlot) lastFree_ = kNoSlot;
  } else {
    if (slots_.size() >= kIndexMask) return 0;
    index = static_cast<uint32_t>(slots_.size());
    slots_.emplace_back();
  }
  Slot &slot = slots_[index];
  slot.kind = &kind;
  slot.target = target;
  slot.nextFree = kNoSlot;
  ++live_;
  // The generation is never 0, so no handle is below 1 << 24: a small number passed by
  // mistake is never taken for one.
  return (static_cast<uint32_t>(slot.generation) << kIndexBits) | (index + 1);
}

const HandleRegistry::Slot *HandleRegistry::SlotOf(const void *handle, uint8_t *generation) const {
  const uintptr_t raw = reinterpret_cast<uintptr_t>(handle);
  const uint32_t number = static_cast<uint32_t>(raw);
  if (number != raw) return nullptr;  // wider than any handle (64-bit addresses)
  const uint32_t index = (number & kIndexMask) - 1;
  *generation = static_cast<uint8_t>(number >> kIndexBits);
  if ((number & kIndexMask) == 0 || *generation == 0 || index >= slots_.size()) return nullptr;
  return &slots_[index];
}

void HandleRegistry::Remove(const void *handle) {
  uint8_t generation = 0;
  const Slot *found = SlotOf(handle, &generation);
  if (found == nullptr || found->kind == nullptr || found->generation != generation) return;
  const uint32_t index = static_cast<uint32_t>(found - slots_.data());
  Slot &slot = slots_[index];
  slot.kind = nullptr;
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

HandleState HandleRegistry::Classify(const void *handle) const {
  uint8_t generation = 0;
  const Slot *slot = SlotOf(handle, &generation);
  if (slot == nullptr) return HandleState::kUnknown;
  if (slot->kind == nullptr || slot->generation != generation) return HandleState::kGone;
  return HandleState::kOtherKind;
}

std::string HandleMisuse(HandleState state, const HandleKind &kind) {
  switch (state) {
    case HandleState::kOtherKind:
      return std::string(kind.noun) + " expected, but the handle names an object of another kind";
    case HandleState::kGone:
      return std::string("use of a destroyed ") + kind.noun;
    case HandleState::kLive:
    case HandleState::kUnknown:
      break;
  }
  return std::string("use of an unknown ") + kind.noun + " handle";
}

}  // namespace zvhost
