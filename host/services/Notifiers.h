// The host's notifications and the plug-in's registrations for them ("AI Notifier Suite").
#pragma once

#include <deque>
#include <string>

#include "HostTypes.h"
#include "host/core/HandleRegistry.h"
#include "host/core/SoleInstance.h"

namespace zvhost {

class Notifiers : public SoleInstance<Notifiers> {
 public:
  static constexpr const char *kRole = "notifier list";

  Notifiers();

  HostErr Add(HostPluginRef plugin, const char *name, const char *type, AINotifierHandle *notifier);
  // A handle the host did not hand out as a notifier is refused and reported as misuse.
  HostErr SetActive(AINotifierHandle notifier, HostBool active);
  int32_t Count() const { return static_cast<int32_t>(registrations_.size()); }

  // Sends "AI Notify" for every active registration of `type`, in registration order.
  void Notify(const char *type);

 private:
  struct Registration {
    HostPluginRef plugin;
    std::string name;
    std::string type;
    AINotifierHandle handle;
    bool active = true;
  };
  // The registration of a notifier handle; null for any other handle (reported as misuse of
  // `operation` unless it is null).
  Registration *Find(AINotifierHandle notifier, const char *operation);

  std::deque<Registration> registrations_;
  HandleRegistry &handles_;
};

}  // namespace zvhost
