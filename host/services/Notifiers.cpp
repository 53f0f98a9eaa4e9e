#include "host/services/Notifiers.h"

#include "AINotifierSuite.h"
#include "host/core/Failpoint.h"
#include "host/loader/PluginConnection.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kAINotifierSuite;
constexpr HandleKind kNotifierKind{"notifier"};

HostErr ZV_API AddNotifier(HostPluginRef plugin, const char *name, const char *type,
                           AINotifierHandle *notifier) {
  if (HostErr err = Failpoint(kSuite, "AddNotifier")) return err;
  return Notifiers::The().Add(plugin, name, type, notifier);
}

HostErr ZV_API SetNotifierActive(AINotifierHandle notifier, HostBool active) {
  if (HostErr err = Failpoint(kSuite, "SetNotifierActive")) return err;
  return Notifiers::The().SetActive(notifier, active);
}

HostErr ZV_API CountNotifiers(int32_t *count) {
  if (HostErr err = Failpoint(kSuite, "CountNotifiers")) return err;
  if (count == nullptr) return kHostBadParameterErr;
  *count = Notifiers::The().Count();
  return kHostNoErr;
}

#define NOTIFIER_OPERATIONS(X) X(AddNotifier) X(SetNotifierActive) X(CountNotifiers)

const AINotifierSuite2 kTable = {NOTIFIER_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

Notifiers::Notifiers() : handles_(HostServices::The().handles) {
  HostServices::The().suites.Offer(kAINotifierSuite, kAINotifierSuiteVersion2, &kTable,
                                   {NOTIFIER_OPERATIONS(ZV_OPERATION_NAME)});
}

Notifiers::Registration *Notifiers::Find(AINotifierHandle notifier, const char *operation) {
  // A null handle is refused without a finding, as by the menu suite: it is what a failed
  // AddNotifier leaves.
  if (notifier == nullptr) return nullptr;
  uint64_t index = 0;
  const HandleState state = handles_.Find(notifier, kNotifierKind, &index);
  if (state == HandleState::kLive) return &registrations_[static_cast<size_t>(index)];
  HostServices::The().findings.Report(std::string(kSuite) + "/" + operation,
                                      HandleMisuse(state, kNotifierKind));
  return nullptr;
}

HostErr Notifiers::Add(HostPluginRef plugin, const char *name, const char *type,
                       AINotifierHandle *notifier) {
  if (name == nullptr || type == nullptr || notifier == nullptr) return kHostBadParameterErr;
  if (PluginConnection::Of(plugin) == nullptr) return kHostBadParameterErr;
  AINotifierHandle handle = handles_.Add<AINotifierHandle>(kNotifierKind, registrations_.size());
  if (handle == nullptr) return kHostOutOfMemoryErr;
  registrations_.push_back({plugin, name, type, handle});
  *notifier = handle;
  return kHostNoErr;
}

HostErr Notifiers::SetActive(AINotifierHandle notifier, HostBool active) {
  Registration *registration = Find(notifier, "SetNotifierActive");
  if (registration == nullptr) return kHostBadParameterErr;
  registration->active = active != 0;
  return kHostNoErr;
}

void Notifiers::Notify(const char *type) {
  // A handler may register more notifiers; walk by index over what existed before.
  size_t count = registrations_.size();
  for (size_t i = 0; i < count; ++i) {
    if (!registrations_[i].active || registrations_[i].type != type) continue;
    PluginConnection::The().SendNotify(registrations_[i].handle, type);
  }
}

}  // namespace zvhost
