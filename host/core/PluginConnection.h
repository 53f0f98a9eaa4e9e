// The loaded module as the host talks to it: the messages sent to its entry point, the
// globals slot kept for it across an unload, and the unload and reload themselves.
#pragma once

#include <memory>
#include <string>

#include "PluginMessages.h"
#include "host/loader/LoadedModule.h"

namespace zvhost {

class PluginConnection {
 public:
  explicit PluginConnection(std::unique_ptr<LoadedModule> module);
  ~PluginConnection();

  bool Loaded() const { return module_ != nullptr; }
  // The host's reference to the plug-in; the same across unload and reload.
  HostPluginRef Ref() const;
  bool IsOurs(HostPluginRef plugin) const { return plugin == Ref(); }
  // The module's resources; the module must be loaded.
  const ResourceSource &Resources() const;
  const LoadedModule &Module() const { return *module_; }

  // Sends a message with the common head only ("SP Interface", "SP Access").
  HostErr Send(const char *caller, const char *selector);
  HostErr SendMenu(const char *selector, AIMenuItemHandle item);
  HostErr SendNotify(AINotifierHandle notifier, const char *type);

  // "SP Access"/"Unload", then the module is unloaded; the globals slot is kept.
  void Unload();
  // Loads the module again and sends "SP Access"/"Reload" with the globals slot. Throws
  // HostExit when it comes back at another address or cannot be loaded.
  void Reload();

 private:
  HostErr Deliver(const char *caller, const char *selector, SPMessageData &head);
  SPMessageData Head() const;

  struct Record {
    std::string path;
  };
  std::unique_ptr<Record> record_;
  std::unique_ptr<LoadedModule> module_;
  std::function<std::unique_ptr<LoadedModule>()> reopen_;
  PluginMainProc lastEntry_ = nullptr;
  void *globals_ = nullptr;
};

}  // namespace zvhost
