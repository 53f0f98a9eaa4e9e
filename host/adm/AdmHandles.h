// The opaque references the dialog manager hands to the module. Each names one object of
// one kind; they come from the host's one HandleRegistry, so a reference that outlived its
// object (or names an object of another kind) is recognised and reported as misuse, never
// reinterpreted.
#pragma once

#include <string>

#include "ADMTypes.h"
#include "host/adm/AdmObjects.h"
#include "host/core/HandleRegistry.h"

namespace zvhost {

template <class T>
struct AdmHandleTraits;
#define ZV_ADM_HANDLE(Type, RefType, Noun)   \
  template <>                                \
  struct AdmHandleTraits<Type> {             \
    using Ref = RefType;                     \
    static constexpr HandleKind kKind{Noun}; \
  };
ZV_ADM_HANDLE(Dialog, ADMDialogRef, "dialog")
ZV_ADM_HANDLE(Item, ADMItemRef, "item")
ZV_ADM_HANDLE(List, ADMListRef, "list")
ZV_ADM_HANDLE(Entry, ADMEntryRef, "entry")
ZV_ADM_HANDLE(Notifier, ADMNotifierRef, "notifier")
ZV_ADM_HANDLE(Tracker, ADMTrackerRef, "tracker")
ZV_ADM_HANDLE(Drawer, ADMDrawerRef, "drawer")
ZV_ADM_HANDLE(Icon, ADMIconRef, "icon")
#undef ZV_ADM_HANDLE

template <class T>
using AdmRef = typename AdmHandleTraits<T>::Ref;

class AdmHandles {
 public:
  AdmHandles();

  template <class T>
  AdmRef<T> Add(T *object) {
    return registry_.Add<AdmRef<T>>(AdmHandleTraits<T>::kKind, reinterpret_cast<uintptr_t>(object));
  }

  template <class T>
  void Remove(AdmRef<T> ref) {
    registry_.Remove(ref);
  }

  // The object behind a live reference of that kind. Otherwise null, and the misuse is
  // reported against `operation` ("ADM Item Suite/GetList").
  template <class T>
  T *Find(AdmRef<T> ref, const std::string &operation) const {
    const HandleKind &kind = AdmHandleTraits<T>::kKind;
    uint64_t target = 0;
    const HandleState state = registry_.Find(ref, kind, &target);
    if (state == HandleState::kLive) return Object<T>(target);
    Misuse(operation,
           ref == nullptr ? std::string("null ") + kind.noun : HandleMisuse(state, kind));
    return nullptr;
  }

  // The same look-up without a report, for the host's own checks after a callback.
  template <class T>
  T *Peek(AdmRef<T> ref) const {
    uint64_t target = 0;
    const HandleState state = registry_.Find(ref, AdmHandleTraits<T>::kKind, &target);
    return state == HandleState::kLive ? Object<T>(target) : nullptr;
  }

 private:
  template <class T>
  static T *Object(uint64_t target) {
    return reinterpret_cast<T *>(static_cast<uintptr_t>(target));
  }
  static void Misuse(const std::string &operation, const std::string &reason);

  HandleRegistry &registry_;
};

}  // namespace zvhost
