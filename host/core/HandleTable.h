// Reference-counted objects of one kind handed to the module as opaque handles, counted for
// `dump refs` and the leak check, with every misuse of a handle reported as a finding against
// the suite that takes them. The handles come from the kind's HandleStore, numbered by the
// host's one HandleRegistry, so a handle of another kind, or one that outlived its object, is
// recognised and reported, never reinterpreted. Every step is O(1).
#pragma once

#include <string>
#include <utility>

#include "host/core/HandleRegistry.h"
#include "host/core/HandleStore.h"
#include "host/core/HostServices.h"
#include "host/core/LiveObjects.h"

namespace zvhost {

// Reports `handle`, which `store` does not hold live, as misuse of `suite`/`operation`: as
// the kind's misuse for a live handle of another kind, as `deadReason` else; a null handle is
// answered without a report. Returns `answer`. Out of line, off every common way.
HostErr RefuseHandle(const HandleStoreBase &store, const std::string &suite, const void *handle,
                     const char *operation, HostErr answer, const char *deadReason);

template <class T>
class HandleTable final : public LiveCounter {
 public:
  // kind names the objects in `dump refs` and findings ("TextRange"); suite names the suite
  // in findings.
  HandleTable(std::string kind, std::string suite, LiveCategory category)
      : LiveCounter(std::move(kind), category),
        store_(HostServices::The().handles, HandleKind{Kind().c_str()}),
        suite_(std::move(suite)) {}

  // A new object with one reference for the receiver; null when no handle is left (callers
  // answer that as out of memory).
  template <class Ref, class Value>
  Ref Make(Value &&value) {
    return store_.template Make<Ref>(std::forward<Value>(value));
  }
  // The same, built in place by fill(object) (HandleStore::MakeFilled).
  template <class Ref, class Fill>
  Ref MakeFilled(Fill &&fill) {
    return store_.template MakeFilled<Ref>(std::forward<Fill>(fill));
  }

  // The object behind a live handle; null for a null handle, and for a dead or foreign one,
  // which is also reported as misuse of `operation`.
  template <class Ref>
  T *Get(Ref ref, const char *operation) {
    T *found = store_.Live(ref);
    if (found == nullptr && ref != nullptr) [[unlikely]]
      Refuse(ref, operation, 0);
    return found;
  }
  // The object behind a live handle of this kind; null for any other, reported by nobody:
  // the caller answers null with Refuse().
  template <class Ref>
  T *Live(Ref ref) {
    return store_.Live(ref);
  }

  template <class Ref>
  void AddRef(Ref ref, const char *operation) {
    if (!store_.Retain(ref)) [[unlikely]]
      Refuse(ref, operation, 0, "reference added to a released handle");
  }

  // Releasing a null handle is accepted and does nothing.
  template <class Ref>
  void Release(Ref ref, const char *operation) {
    if (!store_.Release(ref)) [[unlikely]]
      Refuse(ref, operation, 0, "release of a dead reference");
  }

  // Reports `handle`, which this table does not hold live, as misuse of `operation` (see
  // RefuseHandle()) and returns `answer`, so that a suite function can end with it.
  HostErr Refuse(const void *handle, const char *operation, HostErr answer,
                 const char *deadReason = "use of a released or unknown handle") const {
    return RefuseHandle(store_, suite_, handle, operation, answer, deadReason);
  }

  size_t Live() const override { return store_.References(); }

 private:
  HandleStore<T> store_;
  std::string suite_;
};

}  // namespace zvhost
