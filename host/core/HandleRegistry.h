// Every handle the host hands to the module, of every kind: each kind's store (HandleStore)
// takes a number here that its handles carry, so a handle of one kind is never taken for
// another, and one that outlived its object is recognised (not reinterpreted) wherever it is
// passed.
//
// The registry also keeps handles for owners that name their objects themselves (an index,
// an address): Add() hands out a handle for such a target of a kind, Find() gives it back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/core/HandleStore.h"

namespace zvhost {

class HandleRegistry {
 public:
  HandleRegistry();
  ~HandleRegistry();
  HandleRegistry(const HandleRegistry &) = delete;
  HandleRegistry &operator=(const HandleRegistry &) = delete;

  // The number of a new store's kind. Numbers are not reused while the registry lives, so
  // a handle of a store that is gone is never taken for one of a later store. Throws
  // std::length_error when every number is taken.
  uint32_t Enrol(const HandleStoreBase &store);
  // The store numbered `kindNumber` is gone: its handles are unknown from now on.
  void Withdraw(uint32_t kindNumber);

  // What a handle that is not a live one of the kind asked for is: kOtherKind, kGone or
  // kUnknown.
  HandleState Classify(const void *handle) const;

  // A new handle of `kind` naming `target`; null when every number of the kind is taken
  // (callers answer that as out of memory). Kinds are told apart by address, so each is one
  // object that lives as long as the registry.
  template <class Ref>
  Ref Add(const HandleKind &kind, uint64_t target) {
    return reinterpret_cast<Ref>(AddTarget(kind, target));
  }
  // What `handle` is for a caller that wants one of `kind`; on kLive, `*target` is what it
  // names.
  HandleState Find(const void *handle, const HandleKind &kind, uint64_t *target) const;
  // The handle names nothing from now on. A handle that is not a live one that Add() made is
  // left alone.
  void Remove(const void *handle);
  // Handles made by Add() and not removed.
  size_t Live() const;

 private:
  using TargetStore = HandleStore<uint64_t>;

  void *AddTarget(const HandleKind &kind, uint64_t target);
  // The store of Add()'s handles of `kind`; null before the first.
  TargetStore *TargetsOf(const HandleKind &kind) const;

  std::vector<const HandleStoreBase *> stores_;  // by kind number; null: withdrawn
  // Add()'s stores, one per kind, by the kind's address.
  std::vector<std::pair<const HandleKind *, std::unique_ptr<TargetStore>>> targets_;
};

// The reason a finding gives for a handle in `state` where one of `kind` was expected:
// "use of a destroyed dialog", "menu item expected, but the handle names an object of
// another kind".
std::string HandleMisuse(HandleState state, const HandleKind &kind);

}  // namespace zvhost
