#include "host/loader/LoadedModule.h"

namespace zvhost {

PropertyList CheckedPropertyList(const ResourceSource &resources, const std::string &path) {
  std::optional<Bytes> pipl = resources.Find(ResourceType::Named("PIPL"), 16000);
  if (!pipl) throw ModuleError(path + ": no property list (resource PIPL 16000)");
  try {
    PropertyList list = ParsePropertyList(*pipl);
    if (list.kind != static_cast<uint32_t>(ZV_FOUR_CHAR('S', 'P', 'E', 'A'))) {
      throw ModuleError(path +
                        ": the property list does not describe a plug-in (kind is not SPEA)");
    }
    return list;
  } catch (const FormatError &error) {
    throw ModuleError(path + ": invalid property list: " + error.what());
  }
}

}  // namespace zvhost
