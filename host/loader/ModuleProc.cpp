#include "host/loader/ModuleProc.h"

#include "host/loader/PluginConnection.h"

namespace zvhost {

ModulePlace PlaceInModule(uintptr_t address) {
  if (address == 0) return {};
  const PluginConnection *plugin = PluginConnection::Current();
  if (plugin == nullptr) return {address, false};
  return plugin->PlaceOf(address);
}

uintptr_t AddressInModule(const ModulePlace &place) {
  if (!place.inImage) return place.value;
  const PluginConnection *plugin = PluginConnection::Current();
  return plugin == nullptr ? 0 : plugin->AddressOf(place);
}

}  // namespace zvhost
