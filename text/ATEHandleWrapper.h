// The one pattern behind every text-engine wrapper: a value that owns one reference on an
// engine handle, and the thin calls through the handle's suite.
#pragma once

#include <type_traits>

#include "HostTypes.h"
#include "ate/ATETypes.h"
#include "base/ATEException.h"

namespace ATE {

// Turns a non-zero engine result into ATE::Exception.
inline void ThrowIfEngineError(ATEErr error) {
  if (error != kATENoError) throw Exception(error);
}

namespace detail {
template <class AddRef>
struct HandleOf;
template <class Ref>
struct HandleOf<void(ZV_API *)(Ref)> {
  using type = Ref;
};
}  // namespace detail

// Asks default construction for a new empty engine object instead of a null handle.
struct CreateNew {};

// `suite` is the module variable that holds the handle kind's suite. Everything is inline:
// run walks make and drop a wrapper per run, so a wrapper costs no more than its calls.
template <auto &suite>
class HandleWrapper {
 public:
  using Suite =
      std::remove_const_t<std::remove_pointer_t<std::remove_reference_t<decltype(suite)>>>;
  using Ref = typename detail::HandleOf<decltype(Suite::AddRef)>::type;

  // Takes over the reference that the giver of `ref` held.
  explicit HandleWrapper(Ref ref) : ref_(ref) {}
  HandleWrapper(const HandleWrapper &other) : ref_(other.ref_) { AddRef(); }
  HandleWrapper &operator=(const HandleWrapper &other) {
    if (this != &other) {
      Release();
      ref_ = other.ref_;
      AddRef();
    }
    return *this;
  }
  // Releases also a null handle: the engine accepts it.
  virtual ~HandleWrapper() { Release(); }

  // The handle, for passing to another wrapper's operation; its count is not touched.
  Ref GetRef() const { return ref_; }

 protected:
  HandleWrapper() : ref_(nullptr) {}
  explicit HandleWrapper(CreateNew) : ref_(nullptr) {
    ThrowIfEngineError(Engine().Initialize(&ref_));
  }

  // A setter or an action: the handle and the caller's arguments, unchanged.
  template <class Op, class... Args>
  void Call(Op Suite::*op, Args... args) const {
    ThrowIfEngineError((Engine().*op)(ref_, args...));
  }
  // A plain getter; with a handle as Value the result carries one reference for the caller.
  template <class Value, class Op, class... Args>
  Value Read(Op Suite::*op, Args... args) const {
    Value value{};
    ThrowIfEngineError((Engine().*op)(ref_, args..., &value));
    return value;
  }
  // A getter that also tells whether the attribute is assigned; `isAssigned` may be null.
  template <class Value, class Op>
  Value ReadAssigned(Op Suite::*op, bool *isAssigned) const {
    HostBool assigned = 0;
    Value value{};
    ThrowIfEngineError((Engine().*op)(ref_, &assigned, &value));
    if (isAssigned != nullptr) *isAssigned = assigned != 0;
    return value;
  }
  // An object getter: the new wrapper takes over the reference the engine handed out.
  template <class Result, class Op, class... Args>
  Result ReadObject(Op Suite::*op, Args... args) const {
    return Result(Read<typename Result::Ref>(op, args...));
  }

 private:
  // A suite that start-up could not acquire is never called through.
  static const Suite &Engine() {
    if (suite == nullptr) throw Exception(kHostSuiteNotFoundErr);
    return *suite;
  }
  // A null handle holds no reference, so copying one adds none.
  void AddRef() const {
    if (suite != nullptr && ref_ != nullptr) suite->AddRef(ref_);
  }
  void Release() const {
    if (suite != nullptr) suite->Release(ref_);
  }

  Ref ref_;
};

}  // namespace ATE
