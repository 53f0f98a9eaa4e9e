#include <dlfcn.h>

#include "host/loader/LoadedModule.h"

namespace zvhost {

namespace {

// A module loaded with dlopen; its resources are read from the file's .rsrc section.
class SharedObjectModule final : public LoadedModule {
 public:
  SharedObjectModule(std::string path, std::unique_ptr<ResourceSource> resources,
                     PropertyList properties, void *library, PluginMainProc entry)
      : path_(std::move(path)),
        resources_(std::move(resources)),
        properties_(std::move(properties)),
        library_(library),
        entry_(entry) {}
  ~SharedObjectModule() override { dlclose(library_); }

  PluginMainProc EntryPoint() const override { return entry_; }
  const ResourceSource &Resources() const override { return *resources_; }
  const PropertyList &Properties() const override { return properties_; }
  const std::string &Path() const override { return path_; }
  std::function<std::unique_ptr<LoadedModule>()> Reopener() const override {
    return [path = path_] { return OpenModule(path); };
  }

 private:
  std::string path_;
  std::unique_ptr<ResourceSource> resources_;
  PropertyList properties_;
  void *library_;
  PluginMainProc entry_;
};

}  // namespace

std::unique_ptr<LoadedModule> OpenModule(const std::string &path) {
  const ModuleFile file = CheckedModuleFile(path);
  std::unique_ptr<ResourceSource> resources;
  try {
    resources = file.Resources();
  } catch (const FormatError &error) {
    throw ModuleError(path + ": cannot be loaded: " + error.what());
  }
  PropertyList properties = CheckedPropertyList(*resources, path);
  void *library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) throw ModuleError(path + ": cannot be loaded: " + dlerror());
  void *entry = dlsym(library, properties.entryPoint.c_str());
  if (entry == nullptr) {
    dlclose(library);
    throw ModuleError(path + ": no entry point '" + properties.entryPoint +
                      "' (named by the property list) is exported");
  }
  return std::make_unique<SharedObjectModule>(path, std::move(resources), std::move(properties),
                                              library, reinterpret_cast<PluginMainProc>(entry));
}

}  // namespace zvhost
