// A plug-in module as the host holds it: its entry point and its resources.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "PluginMessages.h"
#include "host/resources/ModuleFile.h"
#include "host/resources/PropertyList.h"
#include "host/resources/ResourceSource.h"

namespace zvhost {

// The file is not a module this host can load; the text says why.
class ModuleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where a loaded module's image lies in memory: from `start`, `size` bytes. Empty for a
// module that is not an image of its own (one linked into the program).
struct ModuleImage {
  uintptr_t start = 0;
  size_t size = 0;

  bool Contains(uintptr_t address) const {
    return size != 0 && address >= start && address - start < size;
  }
};

class LoadedModule {
 public:
  virtual ~LoadedModule() = default;

  virtual PluginMainProc EntryPoint() const = 0;
  virtual const ResourceSource &Resources() const = 0;
  virtual const PropertyList &Properties() const = 0;
  virtual const std::string &Path() const = 0;
  // Where the system loader placed the module; empty unless it is an image of its own.
  virtual ModuleImage Image() const { return {}; }
  // Loads the same module again after this one is gone (the host's reload).
  virtual std::function<std::unique_ptr<LoadedModule>()> Reopener() const = 0;
};

// Addresses kept unusable while the object lives (reserved, with no access), so that a
// module loaded meanwhile must be placed elsewhere.
class AddressHold {
 public:
  virtual ~AddressHold() = default;
};

// Holds the addresses of an image that is no longer loaded; null when they cannot be had
// (something is there already, or the system refuses).
std::unique_ptr<AddressHold> HoldAddresses(const ModuleImage &image);

// Loads a module file as the platform's loader does, after finding and checking its
// property list and the entry point it names. Throws ModuleError.
std::unique_ptr<LoadedModule> OpenModule(const std::string &path);

// The module file read before the system's loader sees it. A file that is no module is named
// in the file reader's words, and a module built for the other system as such, where the
// loader would give a terse reason of its own. Throws ModuleError.
ModuleFile CheckedModuleFile(const std::string &path);

// The property list of a module's resources, checked; throws ModuleError naming the module.
PropertyList CheckedPropertyList(const ResourceSource &resources, const std::string &path);

}  // namespace zvhost
