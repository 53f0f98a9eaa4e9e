// The opaque references the dialog manager hands to the module. Each names one object of
// one kind; numbers are never reused, so a reference that outlived its object (or names an
// object of another kind) is recognised and reported as misuse, never reinterpreted.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "ADMTypes.h"
#include "host/adm/AdmObjects.h"

namespace zvhost {

enum class AdmKind { kDialog, kItem, kList, kEntry, kNotifier, kTracker, kDrawer, kIcon };

template <class T>
struct AdmHandleTraits;
#define ZV_ADM_HANDLE(Type, RefType, KindValue, Noun)    \
  template <>                                            \
  struct AdmHandleTraits<Type> {                         \
    using Ref = RefType;                                 \
    static constexpr AdmKind kKind = AdmKind::KindValue; \
    static constexpr const char *kNoun = Noun;           \
  };
ZV_ADM_HANDLE(Dialog, ADMDialogRef, kDialog, "dialog")
ZV_ADM_HANDLE(Item, ADMItemRef, kItem, "item")
ZV_ADM_HANDLE(List, ADMListRef, kList, "list")
ZV_ADM_HANDLE(Entry, ADMEntryRef, kEntry, "entry")
ZV_ADM_HANDLE(Notifier, ADMNotifierRef, kNotifier, "notifier")
ZV_ADM_HANDLE(Tracker, ADMTrackerRef, kTracker, "tracker")
ZV_ADM_HANDLE(Drawer, ADMDrawerRef, kDrawer, "drawer")
ZV_ADM_HANDLE(Icon, ADMIconRef, kIcon, "icon")
#undef ZV_ADM_HANDLE

template <class T>
using AdmRef = typename AdmHandleTraits<T>::Ref;

class AdmHandles {
 public:
  template <class T>
  AdmRef<T> Add(T *object) {
    uintptr_t raw = next_++;
    live_[raw] = {AdmHandleTraits<T>::kKind, object};
    return reinterpret_cast<AdmRef<T>>(raw);
  }

  template <class T>
  void Remove(AdmRef<T> ref) {
    live_.erase(reinterpret_cast<uintptr_t>(ref));
  }

  // The object behind a live reference of that kind. Otherwise null, and the misuse is
  // reported against `operation` ("ADM Item Suite/GetList").
  template <class T>
  T *Find(AdmRef<T> ref, const std::string &operation) const {
    if (T *object = Peek<T>(ref)) return object;
    Misuse(operation, ref == nullptr
                          ? std::string("null ") + AdmHandleTraits<T>::kNoun
                          : Describe(reinterpret_cast<uintptr_t>(ref), AdmHandleTraits<T>::kKind,
                                     AdmHandleTraits<T>::kNoun));
    return nullptr;
  }

  // The same look-up without a report, for the host's own checks after a callback.
  template <class T>
  T *Peek(AdmRef<T> ref) const {
    auto found = live_.find(reinterpret_cast<uintptr_t>(ref));
    if (found == live_.end() || found->second.kind != AdmHandleTraits<T>::kKind) return nullptr;
    return static_cast<T *>(found->second.object);
  }

  size_t LiveCount() const { return live_.size(); }

 private:
  struct Target {
    AdmKind kind;
    void *object;
  };

  std::string Describe(uintptr_t raw, AdmKind wanted, const char *noun) const;
  static void Misuse(const std::string &operation, const std::string &reason);

  // Numbers start high enough that a small integer passed by mistake is never a handle.
  uintptr_t next_ = 0x10000;
  std::unordered_map<uintptr_t, Target> live_;
};

}  // namespace zvhost
