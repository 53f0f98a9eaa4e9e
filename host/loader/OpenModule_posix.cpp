#include <dlfcn.h>
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

#include "host/loader/LoadedModule.h"

namespace zvhost {

namespace {

// The span of a loaded object's segments, found by its load address among the objects the
// dynamic linker holds.
struct ImageSearch {
  uintptr_t loadAddress = 0;
  ModuleImage image;
};

int FindImage(dl_phdr_info *info, size_t, void *data) {
  auto *search = static_cast<ImageSearch *>(data);
  if (info->dlpi_addr != search->loadAddress) return 0;
  uintptr_t low = UINTPTR_MAX;
  uintptr_t high = 0;
  for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
    const ElfW(Phdr) &segment = info->dlpi_phdr[i];
    if (segment.p_type != PT_LOAD) continue;
    low = std::min<uintptr_t>(low, segment.p_vaddr);
    high = std::max<uintptr_t>(high, segment.p_vaddr + segment.p_memsz);
  }
  if (high <= low) return 0;
  const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t start = (info->dlpi_addr + low) & ~(page - 1);
  const uintptr_t end = (info->dlpi_addr + high + page - 1) & ~(page - 1);
  search->image = ModuleImage{start, end - start};
  return 1;
}

ModuleImage ImageOf(void *library) {
  link_map *map = nullptr;
  if (dlinfo(library, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) return {};
  ImageSearch search{static_cast<uintptr_t>(map->l_addr), {}};
  dl_iterate_phdr(FindImage, &search);
  return search.image;
}

// Anonymous memory with no access at the image's addresses.
class MappedHold final : public AddressHold {
 public:
  MappedHold(void *start, size_t size) : start_(start), size_(size) {}
  ~MappedHold() override { munmap(start_, size_); }

 private:
  void *start_;
  size_t size_;
};

// A module loaded with dlopen; its resources are read from the file's .rsrc section.
class SharedObjectModule final : public LoadedModule {
 public:
  SharedObjectModule(std::string path, std::unique_ptr<ResourceSource> resources,
                     PropertyList properties, void *library, PluginMainProc entry)
      : path_(std::move(path)),
        resources_(std::move(resources)),
        properties_(std::move(properties)),
        library_(library),
        entry_(entry),
        image_(ImageOf(library)) {}
  ~SharedObjectModule() override { dlclose(library_); }

  PluginMainProc EntryPoint() const override { return entry_; }
  const ResourceSource &Resources() const override { return *resources_; }
  const PropertyList &Properties() const override { return properties_; }
  const std::string &Path() const override { return path_; }
  ModuleImage Image() const override { return image_; }
  std::function<std::unique_ptr<LoadedModule>()> Reopener() const override {
    return [path = path_] { return OpenModule(path); };
  }

 private:
  std::string path_;
  std::unique_ptr<ResourceSource> resources_;
  PropertyList properties_;
  void *library_;
  PluginMainProc entry_;
  ModuleImage image_;
};

}  // namespace

std::unique_ptr<AddressHold> HoldAddresses(const ModuleImage &image) {
  if (image.size == 0) return nullptr;
  void *wanted = reinterpret_cast<void *>(image.start);
  int flags = MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE;
#ifdef MAP_FIXED_NOREPLACE
  flags |= MAP_FIXED_NOREPLACE;
#endif
  void *held = mmap(wanted, image.size, PROT_NONE, flags, -1, 0);
  if (held == MAP_FAILED) return nullptr;
  // Without MAP_FIXED_NOREPLACE (or on a kernel older than it) the address is a hint only.
  if (held != wanted) {
    munmap(held, image.size);
    return nullptr;
  }
  return std::make_unique<MappedHold>(held, image.size);
}

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
