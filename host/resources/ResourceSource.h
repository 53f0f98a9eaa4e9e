// The resources of a module, found by type and id: from a .res image (the Linux module's
// .rsrc section), from a PE file's resource directory, or through the Win32 resource API.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zvhost {

using Bytes = std::vector<uint8_t>;

// A resource type: a number (5 dialog, 4 menu, 6 string block, 16 version) or a name
// ("PIPL", "PNGI"). Names compare without regard to case, as Win32 compares them.
struct ResourceType {
  uint16_t number = 0;
  std::string name;  // empty for a numbered type

  static ResourceType Numbered(uint16_t n) { return {n, {}}; }
  static ResourceType Named(std::string n) { return {0, std::move(n)}; }
  bool operator==(const ResourceType &other) const;
  std::string ToString() const;  // "DIALOG", "PIPL", "#23"
};

enum : uint16_t {
  kResMenu = 4,
  kResDialog = 5,
  kResString = 6,
  kResVersion = 16,
};

struct ResourceEntry {
  ResourceType type;
  uint16_t id = 0;
  uint16_t language = 0;
  Bytes data;
  std::string name;  // a resource named by a text rather than a number (id is then 0)
};

// Damaged or unreadable resource data; the text names the place.
class FormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ResourceSource {
 public:
  virtual ~ResourceSource() = default;
  // The data of the resource, or nothing when the module has none of that type and id.
  virtual std::optional<Bytes> Find(const ResourceType &type, uint16_t id) const = 0;
  // Every resource, in the order the module stores them.
  virtual std::vector<ResourceEntry> List() const = 0;
};

// The resources of a .res image; throws FormatError when it is damaged.
std::unique_ptr<ResourceSource> ReadResImage(Bytes image);
// The resources of a module file on disk: an ELF file's .rsrc section (a .res image) or a PE
// file's resource directory. Throws FormatError naming what is wrong.
std::unique_ptr<ResourceSource> ReadModuleResources(const std::string &path);

}  // namespace zvhost
