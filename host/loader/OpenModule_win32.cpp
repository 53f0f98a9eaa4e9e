#include <windows.h>

#include "host/core/FilePath.h"
#include "host/loader/LoadedModule.h"

namespace zvhost {

namespace {

constexpr WORD kUSEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

std::string LastErrorText() {
  DWORD code = GetLastError();
  char buffer[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, sizeof buffer, nullptr);
  while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r')) --length;
  return length > 0 ? std::string(buffer, length) : "error " + std::to_string(code);
}

// LoadLibrary wants backslashes, and it looks for a bare file name on the DLL search path
// rather than in the current folder, where the user means it: it is given the full path.
std::wstring FullWindowsPath(const std::string &path) {
  const std::wstring given = FilePath(path).wstring();
  DWORD needed = GetFullPathNameW(given.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return given;
  std::wstring full(needed, L'\0');
  DWORD length = GetFullPathNameW(given.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return given;
  full.resize(length);
  return full;
}

// Why the loader refused a file: the file reader names what is wrong with it in the same
// words as on every other platform; what it finds no fault with, the system explains.
std::string WhyNotAModule(const ModuleFile &file) {
  std::string reason = LastErrorText();
  try {
    file.Resources();
  } catch (const FormatError &error) {
    reason = error.what();
  }
  return reason;
}

const char *TypeArgument(const ResourceType &type) {
  return type.name.empty() ? MAKEINTRESOURCEA(type.number) : type.name.c_str();
}

// The resources of a loaded module, read through the Win32 resource API.
class Win32ResourceSource final : public ResourceSource {
 public:
  explicit Win32ResourceSource(HMODULE module) : module_(module) {}

  std::optional<Bytes> Find(const ResourceType &type, uint16_t id) const override {
    HRSRC found = FindResourceExA(module_, TypeArgument(type), MAKEINTRESOURCEA(id), kUSEnglish);
    if (found == nullptr) return std::nullopt;
    HGLOBAL loaded = LoadResource(module_, found);
    DWORD size = SizeofResource(module_, found);
    const void *data = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (data == nullptr) return std::nullopt;
    const auto *bytes = static_cast<const uint8_t *>(data);
    return Bytes(bytes, bytes + size);
  }

  std::vector<ResourceEntry> List() const override {
    std::vector<ResourceEntry> entries;
    EnumResourceTypesA(module_, &OnType, reinterpret_cast<LONG_PTR>(&entries));
    for (ResourceEntry &entry : entries) {
      if (auto data = Find(entry.type, entry.id)) entry.data = std::move(*data);
    }
    return entries;
  }

 private:
  static ResourceType TypeOf(LPSTR type) {
    if (IS_INTRESOURCE(type)) return ResourceType::Numbered(LOWORD(type));
    return ResourceType::Named(type);
  }
  static BOOL CALLBACK OnType(HMODULE module, LPSTR type, LONG_PTR entries) {
    EnumResourceNamesA(module, type, &OnName, entries);
    return TRUE;
  }
  static BOOL CALLBACK OnName(HMODULE, LPCSTR type, LPSTR name, LONG_PTR entries) {
    if (IS_INTRESOURCE(name)) {
      ResourceEntry entry;
      entry.type = TypeOf(const_cast<LPSTR>(type));
      entry.id = LOWORD(name);
      entry.language = kUSEnglish;
      reinterpret_cast<std::vector<ResourceEntry> *>(entries)->push_back(std::move(entry));
    }
    return TRUE;
  }

  HMODULE module_;
};

// The image that the loader mapped at a module's handle: its headers say how large it is.
ModuleImage ImageOf(HMODULE module) {
  const auto start = reinterpret_cast<uintptr_t>(module);
  const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(start);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE) return {};
  const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(start + dos->e_lfanew);
  if (nt->Signature != IMAGE_NT_SIGNATURE) return {};
  return ModuleImage{start, nt->OptionalHeader.SizeOfImage};
}

// Address space reserved with no access at the image's addresses.
class ReservedHold final : public AddressHold {
 public:
  explicit ReservedHold(void *start) : start_(start) {}
  ~ReservedHold() override { VirtualFree(start_, 0, MEM_RELEASE); }

 private:
  void *start_;
};

// A module loaded with LoadLibrary.
class DllModule final : public LoadedModule {
 public:
  DllModule(std::string path, HMODULE module, PropertyList properties, PluginMainProc entry)
      : path_(std::move(path)),
        module_(module),
        resources_(module),
        properties_(std::move(properties)),
        entry_(entry),
        image_(ImageOf(module)) {}
  ~DllModule() override { FreeLibrary(module_); }

  PluginMainProc EntryPoint() const override { return entry_; }
  const ResourceSource &Resources() const override { return resources_; }
  const PropertyList &Properties() const override { return properties_; }
  const std::string &Path() const override { return path_; }
  ModuleImage Image() const override { return image_; }
  std::function<std::unique_ptr<LoadedModule>()> Reopener() const override {
    return [path = path_] { return OpenModule(path); };
  }

 private:
  std::string path_;
  HMODULE module_;
  Win32ResourceSource resources_;
  PropertyList properties_;
  PluginMainProc entry_;
  ModuleImage image_;
};

}  // namespace

std::unique_ptr<AddressHold> HoldAddresses(const ModuleImage &image) {
  if (image.size == 0) return nullptr;
  void *wanted = reinterpret_cast<void *>(image.start);
  void *held = VirtualAlloc(wanted, image.size, MEM_RESERVE, PAGE_NOACCESS);
  if (held == nullptr) return nullptr;
  if (held != wanted) {
    VirtualFree(held, 0, MEM_RELEASE);
    return nullptr;
  }
  return std::make_unique<ReservedHold>(held);
}

std::unique_ptr<LoadedModule> OpenModule(const std::string &path) {
  // The property list is checked before any of the module's code runs, as a host scanning
  // its plug-in folders does.
  const ModuleFile checked = CheckedModuleFile(path);
  const std::wstring file = FullWindowsPath(path);
  HMODULE image = LoadLibraryExW(file.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (image == nullptr) throw ModuleError(path + ": cannot be loaded: " + WhyNotAModule(checked));
  PropertyList properties;
  try {
    properties = CheckedPropertyList(Win32ResourceSource(image), path);
  } catch (...) {
    FreeLibrary(image);
    throw;
  }
  FreeLibrary(image);

  HMODULE module = LoadLibraryW(file.c_str());
  if (module == nullptr) throw ModuleError(path + ": cannot be loaded: " + LastErrorText());
  FARPROC entry = GetProcAddress(module, properties.entryPoint.c_str());
  if (entry == nullptr) {
    FreeLibrary(module);
    throw ModuleError(path + ": no entry point '" + properties.entryPoint +
                      "' (named by the property list) is exported");
  }
  return std::make_unique<DllModule>(
      path, module, std::move(properties),
      // A cast through void (*)() is how a looked-up procedure
      // takes its real type.
      reinterpret_cast<PluginMainProc>(reinterpret_cast<void (*)()>(entry)));
}

}  // namespace zvhost
