#include "host/core/HandleRegistry.h"

#include <stdexcept>

namespace zvhost {

// Number 0 is no kind's: a handle's kind bits are never 0.
HandleRegistry::HandleRegistry() : stores_(1, nullptr) {}

// Add()'s stores withdraw while the registry is whole.
HandleRegistry::~HandleRegistry() {
  targets_.clear();
}

uint32_t HandleRegistry::Enrol(const HandleStoreBase &store) {
  if (stores_.size() > HandleNumber::kMaxKinds) {
    throw std::length_error("more kinds of handle than a handle can tell apart (" +
                            std::to_string(HandleNumber::kMaxKinds) + ")");
  }
  stores_.push_back(&store);
  return static_cast<uint32_t>(stores_.size() - 1);
}

void HandleRegistry::Withdraw(uint32_t kindNumber) {
  stores_[kindNumber] = nullptr;
}

HandleState HandleRegistry::Classify(const void *handle) const {
  const uint32_t kind = HandleNumber::KindOf(handle);
  if (kind >= stores_.size() || stores_[kind] == nullptr) return HandleState::kUnknown;
  const HandleState state = stores_[kind]->StateOf(handle);
  return state == HandleState::kLive ? HandleState::kOtherKind : state;
}

void *HandleRegistry::AddTarget(const HandleKind &kind, uint64_t target) {
  TargetStore *store = TargetsOf(kind);
  if (store == nullptr) {
    targets_.emplace_back(&kind, std::make_unique<TargetStore>(*this, kind));
    store = targets_.back().second.get();
  }
  return store->Make<void *>(target);
}

HandleState HandleRegistry::Find(const void *handle, const HandleKind &kind,
                                 uint64_t *target) const {
  if (const TargetStore *store = TargetsOf(kind)) {
    if (const uint64_t *found = store->Live(handle)) {
      *target = *found;
      return HandleState::kLive;
    }
  }
  return Classify(handle);
}

void HandleRegistry::Remove(const void *handle) {
  const uint32_t kind = HandleNumber::KindOf(handle);
  for (auto &[_, store] : targets_) {
    if (store->KindNumber() == kind) {
      store->Release(handle);
      return;
    }
  }
}

size_t HandleRegistry::Live() const {
  size_t live = 0;
  for (const auto &[_, store] : targets_) live += store->Objects();
  return live;
}

HandleRegistry::TargetStore *HandleRegistry::TargetsOf(const HandleKind &kind) const {
  for (const auto &[known, store] : targets_) {
    if (known == &kind) return store.get();
  }
  return nullptr;
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
