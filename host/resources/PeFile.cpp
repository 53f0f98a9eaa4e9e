#include "host/resources/PeFile.h"

#include <algorithm>
#include <set>

namespace zvhost {

namespace {

constexpr uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr uint16_t kMagic32 = 0x10B, kMagic64 = 0x20B;
constexpr uint32_t kExportDirectory = 0, kResourceDirectory = 2;
constexpr uint32_t kHighBit = 0x80000000;
constexpr int kLanguageLevel = 3;  // type, name, language

}  // namespace

bool PeFile::Recognises(std::span<const uint8_t> file) {
  return file.size() >= 2 && file[0] == 'M' && file[1] == 'Z';
}

PeFile::PeFile(std::span<const uint8_t> file, std::string context)
    : file_(file), context_(std::move(context)) {
  ByteReader reader(file.data(), file.size(), context_);
  reader.Seek(0x3C, "DOS header");
  const uint32_t peOffset = reader.U32("PE header offset");
  reader.Seek(peOffset, "PE header offset");
  if (reader.U32("PE signature") != kPeSignature)
    reader.FailAt(peOffset, "not a module: no PE signature");
  reader.U16("machine");
  const uint16_t sectionCount = reader.U16("section count");
  reader.Skip(12, "file header");  // time stamp, symbol table, symbol count
  const uint16_t optionalSize = reader.U16("optional header size");
  reader.U16("characteristics");
  ByteReader optional = reader.Sub(optionalSize, context_ + ": optional header", "optional header");
  const uint16_t magic = optional.U16("magic");
  if (magic != kMagic32 && magic != kMagic64) optional.FailAt(0, "unknown optional header magic");
  is64_ = magic == kMagic64;
  optional.Seek(is64_ ? 108 : 92, "optional header");
  const uint32_t directoryCount = optional.U32("data directory count");
  auto readDirectory = [&](uint32_t index) {
    Directory directory;
    if (index >= directoryCount) return directory;
    optional.Seek((is64_ ? 112 : 96) + index * 8, "data directory");
    directory.rva = optional.U32("data directory address");
    directory.size = optional.U32("data directory size");
    return directory;
  };
  exports_ = readDirectory(kExportDirectory);
  resources_ = readDirectory(kResourceDirectory);

  for (uint16_t index = 0; index < sectionCount; ++index) {
    ByteReader header =
        reader.Sub(40, context_ + ": section " + std::to_string(index + 1), "section header");
    header.Skip(8, "section name");
    Section section;
    section.virtualSize = header.U32("virtual size");
    section.virtualAddress = header.U32("virtual address");
    section.rawSize = header.U32("raw data size");
    section.rawOffset = header.U32("raw data offset");
    if (section.rawSize > file.size() || section.rawOffset > file.size() - section.rawSize) {
      header.FailAt(16, "section data runs past the end of the file");
    }
    sections_.push_back(section);
  }
}

ByteReader PeFile::AtRva(uint32_t rva, const std::string &context) const {
  for (const Section &section : sections_) {
    const uint32_t extent = std::max(section.virtualSize, section.rawSize);
    if (rva < section.virtualAddress || rva - section.virtualAddress >= extent) continue;
    const uint32_t into = rva - section.virtualAddress;
    // Bytes past the section's data in the file are zeros in memory, and not readable here.
    const uint32_t available = into < section.rawSize ? section.rawSize - into : 0;
    return ByteReader(file_.data() + section.rawOffset + std::min(into, section.rawSize), available,
                      context, section.rawOffset + std::min(into, section.rawSize));
  }
  throw FormatError(context + ": address " + HexText(rva) + " lies in no section");
}

std::vector<ResourceEntry> PeFile::Resources() const {
  std::vector<ResourceEntry> entries;
  if (!HasResources()) return entries;
  ByteReader directory = AtRva(resources_.rva, context_ + ": resource directory");
  std::set<uint32_t> visited;
  uint64_t dataTotal = 0;
  ReadResourceTable(directory, 0, 1, ResourceEntry{}, entries, visited, dataTotal);
  return entries;
}

// Reads the table at `offset` of the directory: level 1 lists types, level 2 names, level 3
// languages, whose entries point at the data. Offsets count from the directory's start.
void PeFile::ReadResourceTable(ByteReader &directory, uint32_t offset, int level,
                               ResourceEntry entry, std::vector<ResourceEntry> &out,
                               std::set<uint32_t> &visited, uint64_t &dataTotal) const {
  if (!visited.insert(offset).second) directory.FailAt(offset, "resource table is reached twice");
  directory.Seek(offset, "resource table");
  directory.Skip(12, "resource table header");
  const uint32_t count =
      uint32_t{directory.U16("named entry count")} + directory.U16("entry count");
  if (count > directory.Remaining() / 8)
    directory.FailAt(offset, "resource table entries run past the end");
  const size_t entriesStart = directory.Offset();
  for (uint32_t index = 0; index < count; ++index) {
    directory.Seek(entriesStart + index * 8, "resource entry");
    const uint32_t nameField = directory.U32("resource entry name");
    const uint32_t target = directory.U32("resource entry offset");
    ResourceEntry child = entry;
    std::string name;
    std::optional<uint16_t> number;
    if (nameField & kHighBit) {
      directory.Seek(nameField & ~kHighBit, "resource name");
      const uint16_t length = directory.U16("resource name length");
      name = directory.Utf16(length, "resource name");
    } else {
      number = static_cast<uint16_t>(nameField);
    }
    if (level == 1) {
      child.type = number ? ResourceType::Numbered(*number) : ResourceType::Named(name);
    } else if (level == 2) {
      child.id = number.value_or(0);
      child.name = name;
    } else {
      child.language = number.value_or(0);
    }
    const bool isTable = target & kHighBit;
    if (isTable != (level < kLanguageLevel)) {
      directory.FailAt(entriesStart + index * 8 + 4,
                       isTable ? "a language entry points at a further table"
                               : "a type or name entry points at data instead of a table");
    }
    if (isTable) {
      ReadResourceTable(directory, target & ~kHighBit, level + 1, child, out, visited, dataTotal);
      continue;
    }
    directory.Seek(target, "resource data entry");
    const uint32_t rva = directory.U32("resource data address");
    const uint32_t size = directory.U32("resource data size");
    dataTotal += size;
    if (dataTotal > file_.size()) {
      directory.FailAt(target, "resource data adds up to more than the file holds");
    }
    ByteReader data = AtRva(rva, context_ + ": resource " + child.type.ToString() + " " +
                                     (child.name.empty() ? std::to_string(child.id) : child.name));
    child.data = data.Take(size, "resource data");
    out.push_back(std::move(child));
  }
}

std::vector<std::string> PeFile::ExportedNames() const {
  std::vector<std::string> names;
  if (exports_.size == 0) return names;
  ByteReader directory = AtRva(exports_.rva, context_ + ": export directory");
  directory.Skip(24, "export directory");
  const uint32_t nameCount = directory.U32("export name count");
  directory.U32("export function table");
  const uint32_t nameTable = directory.U32("export name table");
  if (nameCount == 0) return names;
  ByteReader table = AtRva(nameTable, context_ + ": export name table");
  if (nameCount > table.Remaining() / 4) table.Fail("export name table runs past the end");
  for (uint32_t index = 0; index < nameCount; ++index) {
    ByteReader name = AtRva(table.U32("export name address"), context_ + ": export name");
    names.push_back(name.Asciiz("export name"));
  }
  return names;
}

}  // namespace zvhost
