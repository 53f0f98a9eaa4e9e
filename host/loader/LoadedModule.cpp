#include "host/loader/LoadedModule.h"

namespace zvhost {

ModuleFile CheckedModuleFile(const std::string &path) {
  try {
    ModuleFile file(path);
#ifdef _WIN32
    constexpr bool kWindowsHost = true;
#else
    constexpr bool kWindowsHost = false;
#endif
    if (file.IsForWindows() != kWindowsHost) {
      throw ModuleError(path + ": cannot be loaded: it is a module for " +
                        (file.IsForWindows() ? "Windows" : "Linux") + " (" + file.Format() +
                        "), and this host loads " + (kWindowsHost ? "Windows" : "Linux") +
                        " modules");
    }
    return file;
  } catch (const FormatError &error) {
    throw ModuleError(path + ": cannot be loaded: " + error.what());
  }
}

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
