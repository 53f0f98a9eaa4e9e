#include "support/InProcessModule.h"

#include <fstream>
#include <iterator>

extern "C" HostErr ZV_API PluginMain(const char *caller, const char *selector,
                                     void *message) noexcept;

namespace zvtest {

namespace {

class InProcessModule final : public zvhost::LoadedModule {
 public:
  InProcessModule()
      : resources_(zvhost::ReadResImage(ReadFile(ZARVEL_RES_FILE))),
        properties_(zvhost::CheckedPropertyList(*resources_, path_)) {}

  PluginMainProc EntryPoint() const override { return &PluginMain; }
  const zvhost::ResourceSource &Resources() const override { return *resources_; }
  const zvhost::PropertyList &Properties() const override { return properties_; }
  const std::string &Path() const override { return path_; }
  std::function<std::unique_ptr<zvhost::LoadedModule>()> Reopener() const override {
    return [] { return OpenInProcessModule(); };
  }

 private:
  static zvhost::Bytes ReadFile(const char *path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw zvhost::ModuleError(std::string("cannot read ") + path);
    return zvhost::Bytes(std::istreambuf_iterator<char>(in), {});
  }

  std::string path_ = "Zarvel.aip (linked in)";
  std::unique_ptr<zvhost::ResourceSource> resources_;
  zvhost::PropertyList properties_;
};

}  // namespace

std::unique_ptr<zvhost::LoadedModule> OpenInProcessModule() {
  return std::make_unique<InProcessModule>();
}

}  // namespace zvtest
