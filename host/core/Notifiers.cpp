#include "host/core/Notifiers.h"

#include "AINotifierSuite.h"
#include "host/core/Failpoint.h"
#include "host/core/PluginConnection.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kAINotifierSuite;

HostErr ZV_API AddNotifier(HostPluginRef plugin, const char *name, const char *type,
                           AINotifierHandle *notifier) {
  if (HostErr err = Failpoint(kSuite, "AddNotifier")) return err;
  return TheHost().notifiers->Add(plugin, name, type, notifier);
}

HostErr ZV_API SetNotifierActive(AINotifierHandle notifier, HostBool active) {
  if (HostErr err = Failpoint(kSuite, "SetNotifierActive")) return err;
  return TheHost().notifiers->SetActive(notifier, active);
}

HostErr ZV_API CountNotifiers(int32_t *count) {
  if (HostErr err = Failpoint(kSuite, "CountNotifiers")) return err;
  if (count == nullptr) return kHostBadParameterErr;
  *count = TheHost().notifiers->Count();
  return kHostNoErr;
}

#define NOTIFIER_OPERATIONS(X) X(AddNotifier) X(SetNotifierActive) X(CountNotifiers)

const AINotifierSuite2 kTable = {NOTIFIER_OPERATIONS(ZV_TABLE_ENTRY)};

}  // namespace

Notifiers::Notifiers() {
  TheHost().suites.Offer(kAINotifierSuite, kAINotifierSuiteVersion2, &kTable,
                         {NOTIFIER_OPERATIONS(ZV_OPERATION_NAME)});
}

AINotifierHandle Notifiers::HandleOf(size_t index) const {
  return reinterpret_cast<AINotifierHandle>(static_cast<uintptr_t>(index + 1));
}

Notifiers::Registration *Notifiers::Find(AINotifierHandle notifier) {
  uintptr_t raw = reinterpret_cast<uintptr_t>(notifier);
  if (raw == 0 || raw > registrations_.size()) return nullptr;
  return &registrations_[raw - 1];
}

HostErr Notifiers::Add(HostPluginRef plugin, const char *name, const char *type,
                       AINotifierHandle *notifier) {
  if (name == nullptr || type == nullptr || notifier == nullptr) return kHostBadParameterErr;
  if (!TheHost().plugin || !TheHost().plugin->IsOurs(plugin)) return kHostBadParameterErr;
  registrations_.push_back({plugin, name, type});
  *notifier = HandleOf(registrations_.size() - 1);
  return kHostNoErr;
}

HostErr Notifiers::SetActive(AINotifierHandle notifier, HostBool active) {
  Registration *registration = Find(notifier);
  if (registration == nullptr) return kHostBadParameterErr;
  registration->active = active != 0;
  return kHostNoErr;
}

void Notifiers::Notify(const char *type) {
  // A handler may register more notifiers; walk by index over what existed before.
  size_t count = registrations_.size();
  for (size_t i = 0; i < count; ++i) {
    if (!registrations_[i].active || registrations_[i].type != type) continue;
    TheHost().plugin->SendNotify(HandleOf(i), type);
  }
}

}  // namespace zvhost
