#include "host/core/ModuleProc.h"

#include "host/core/Host.h"
#include "host/core/PluginConnection.h"

namespace zvhost {

ModulePlace PlaceInModule(uintptr_t address) {
  if (address == 0) return {};
  const PluginConnection *plugin = TheHost().plugin.get();
  if (plugin == nullptr) return {address, false};
  return plugin->PlaceOf(address);
}

uintptr_t AddressInModule(const ModulePlace &place) {
  if (!place.inImage) return place.value;
  const PluginConnection *plugin = TheHost().plugin.get();
  return plugin == nullptr ? 0 : plugin->AddressOf(place);
}

}  // namespace zvhost
