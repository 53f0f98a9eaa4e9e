// The loaded module as the host talks to it: the messages sent to its entry point, the
// globals slot kept for it across an unload, and the unload and reload themselves. The
// system loader may place the module at another address each time it is loaded: the
// procedures it handed the host are kept as places in its image (host/loader/ModuleProc.h),
// which this connection turns into addresses of the module loaded now.
#pragma once

#include <memory>
#include <string>

#include "PluginMessages.h"
#include "host/core/SoleInstance.h"
#include "host/loader/LoadedModule.h"
#include "host/loader/ModuleProc.h"

namespace zvhost {

class PluginConnection : public SoleInstance<PluginConnection> {
 public:
  static constexpr const char *kRole = "module connection";

  explicit PluginConnection(std::unique_ptr<LoadedModule> module);
  ~PluginConnection();

  // The connection whose plug-in reference `plugin` is, or null: the host refuses what a
  // foreign reference asks for.
  static PluginConnection *Of(HostPluginRef plugin);

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

  // "SP Access"/"Unload", then the module is unloaded; the globals slot is kept. With
  // `holdPlace` the host keeps the addresses the module had unusable until the reload, so
  // that the system loader must place it elsewhere.
  void Unload(bool holdPlace = false);
  // Loads the module again, wherever the system loader places it, and sends
  // "SP Access"/"Reload" with the globals slot. Throws HostExit when it cannot be loaded.
  void Reload();
  // Whether the module came back at another address than it had at the last reload.
  bool Moved() const { return moved_; }
  // Whether the addresses of the module unloaded last are held.
  bool PlaceHeld() const { return hold_ != nullptr; }

  // Where an address lies in the module loaded now (an offset into its image), or the address
  // as it is when it is outside the image.
  ModulePlace PlaceOf(uintptr_t address) const;
  // The address of a place in the module loaded now; 0 while the module is out.
  uintptr_t AddressOf(const ModulePlace &place) const;

 private:
  // `notifier`: the notification's type, which the message line names; null for others.
  HostErr Deliver(const char *caller, const char *selector, SPMessageData &head,
                  const char *notifier = nullptr);
  SPMessageData Head() const;

  struct Record {
    std::string path;
  };
  std::unique_ptr<Record> record_;
  std::unique_ptr<LoadedModule> module_;
  std::function<std::unique_ptr<LoadedModule>()> reopen_;
  ModuleImage image_;  // of the module loaded now, or of the one unloaded last
  std::unique_ptr<AddressHold> hold_;
  bool moved_ = false;
  void *globals_ = nullptr;
};

}  // namespace zvhost
