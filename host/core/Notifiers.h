// The host's notifications and the plug-in's registrations for them ("AI Notifier Suite").
#pragma once

#include <deque>
#include <string>

#include "HostTypes.h"

namespace zvhost {

class Notifiers {
 public:
  Notifiers();

  HostErr Add(HostPluginRef plugin, const char *name, const char *type, AINotifierHandle *notifier);
  HostErr SetActive(AINotifierHandle notifier, HostBool active);
  int32_t Count() const { return static_cast<int32_t>(registrations_.size()); }

  // Sends "AI Notify" for every active registration of `type`, in registration order.
  void Notify(const char *type);

 private:
  struct Registration {
    HostPluginRef plugin;
    std::string name;
    std::string type;
    bool active = true;
  };
  Registration *Find(AINotifierHandle notifier);
  AINotifierHandle HandleOf(size_t index) const;

  std::deque<Registration> registrations_;
};

}  // namespace zvhost
