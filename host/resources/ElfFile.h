// An ELF shared object read as a file (never loaded): its sections and the symbols it
// exports. The Linux module carries its compiled resources in the section ".rsrc".
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/resources/ResourceSource.h"

namespace zvhost {

class ElfFile {
 public:
  static bool Recognises(std::span<const uint8_t> file);
  // Reads the section headers; throws FormatError. `file` must outlive this object.
  ElfFile(std::span<const uint8_t> file, std::string context);

  // The contents of the section with that name, or nothing when there is none.
  std::optional<Bytes> Section(const std::string &name) const;
  // The names of the defined global symbols of ".dynsym" that other objects can bind to.
  std::vector<std::string> DynamicExports() const;
  std::string Format() const { return is64_ ? "ELF64" : "ELF32"; }

 private:
  struct SectionHeader {
    std::string name;
    uint32_t type = 0;
    uint64_t offset = 0;
    uint64_t size = 0;
    uint32_t link = 0;
  };

  // Throws FormatError for program headers that would stop the system loader.
  void CheckProgramHeaders(uint64_t offset, uint16_t entrySize, uint16_t count) const;
  const SectionHeader *Find(const std::string &name) const;
  Bytes Contents(const SectionHeader &section) const;

  std::span<const uint8_t> file_;
  std::string context_;
  bool is64_ = false;
  std::vector<SectionHeader> sections_;
};

}  // namespace zvhost
