// A PE32 or PE32+ file read as a file (never loaded): its resource directory and the names
// in its export directory.
#pragma once

#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "host/resources/ByteReader.h"
#include "host/resources/ResourceSource.h"

namespace zvhost {

class PeFile {
 public:
  static bool Recognises(std::span<const uint8_t> file);
  // Reads the headers and the section table; throws FormatError. `file` must outlive this.
  PeFile(std::span<const uint8_t> file, std::string context);

  bool HasResources() const { return resources_.size != 0; }
  // Every resource of the three-level directory (type, name, language), in directory order.
  std::vector<ResourceEntry> Resources() const;
  // The names the export directory lists.
  std::vector<std::string> ExportedNames() const;
  std::string Format() const { return is64_ ? "PE32+" : "PE32"; }

 private:
  struct Section {
    uint32_t virtualAddress = 0;
    uint32_t virtualSize = 0;
    uint32_t rawOffset = 0;
    uint32_t rawSize = 0;
  };
  struct Directory {
    uint32_t rva = 0;
    uint32_t size = 0;
  };

  // The bytes from `rva` to the end of its section's data in the file.
  ByteReader AtRva(uint32_t rva, const std::string &context) const;
  void ReadResourceTable(ByteReader &directory, uint32_t offset, int level, ResourceEntry entry,
                         std::vector<ResourceEntry> &out, std::set<uint32_t> &visited,
                         uint64_t &dataTotal) const;

  std::span<const uint8_t> file_;
  std::string context_;
  bool is64_ = false;
  std::vector<Section> sections_;
  Directory exports_;
  Directory resources_;
};

}  // namespace zvhost
