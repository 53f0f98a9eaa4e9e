#include "host/core/HandleRegistry.h"

namespace zvhost {

uint32_t HandleRegistry::Grow() {
  if (slots_.size() >= kIndexMask) return kNoSlot;
  slots_.emplace_back();
  slotCount_ = slots_.size();
  return static_cast<uint32_t>(slotCount_ - 1);
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
  RemoveLive(handle);
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
