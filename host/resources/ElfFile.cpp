#include "host/resources/ElfFile.h"

#include "host/resources/ByteReader.h"

namespace zvhost {

namespace {

constexpr uint8_t kClass32 = 1, kClass64 = 2;
constexpr uint8_t kLittleEndian = 1;
constexpr uint32_t kNoBits = 8;              // SHT_NOBITS: a section with no bytes in the file
constexpr uint32_t kDynamicSymbols = 11;     // SHT_DYNSYM
constexpr uint16_t kExtendedIndex = 0xFFFF;  // SHN_XINDEX
constexpr uint8_t kBindGlobal = 1, kBindWeak = 2, kBindUnique = 10;
constexpr uint8_t kVisibilityDefault = 0, kVisibilityProtected = 3;

}  // namespace

// The system loader maps the file by its program headers: one that lies outside the file, or
// a loaded segment that does, stops loading, so it is named here rather than left to it.
void ElfFile::CheckProgramHeaders(uint64_t offset, uint16_t entrySize, uint16_t count) const {
  if (count == 0) return;
  ByteReader reader(file_.data(), file_.size(), context_ + ": program headers");
  const size_t minimumEntry = is64_ ? 56 : 32;
  if (entrySize < minimumEntry) {
    reader.Fail("program header size " + std::to_string(entrySize) + " is too small");
  }
  if (offset > file_.size() || (file_.size() - offset) / entrySize < count) {
    throw FormatError(context_ + ": " + std::to_string(count) + " program headers at offset " +
                      std::to_string(offset) + " run past the end of the file (" +
                      std::to_string(file_.size()) + " bytes)");
  }
  constexpr uint32_t kLoadable = 1;  // PT_LOAD
  for (uint16_t index = 0; index < count; ++index) {
    const std::string what = "program header " + std::to_string(index);
    reader.Seek(offset + uint64_t{index} * entrySize, what.c_str());
    const uint32_t type = reader.U32("segment type");
    if (is64_) reader.U32("segment flags");
    const uint64_t segmentOffset =
        is64_ ? reader.U64("segment offset") : reader.U32("segment offset");
    reader.Skip(is64_ ? 16 : 8, "segment addresses");
    const uint64_t fileSize =
        is64_ ? reader.U64("segment file size") : reader.U32("segment file size");
    if (type == kLoadable &&
        (segmentOffset > file_.size() || fileSize > file_.size() - segmentOffset)) {
      reader.Fail(what + ": its loaded segment (" + std::to_string(fileSize) + " bytes at offset " +
                  std::to_string(segmentOffset) + ") runs past the end");
    }
  }
}

bool ElfFile::Recognises(std::span<const uint8_t> file) {
  return file.size() >= 4 && file[0] == 0x7F && file[1] == 'E' && file[2] == 'L' && file[3] == 'F';
}

ElfFile::ElfFile(std::span<const uint8_t> file, std::string context)
    : file_(file), context_(std::move(context)) {
  ByteReader reader(file.data(), file.size(), context_);
  reader.Skip(4, "ELF identification");
  const uint8_t elfClass = reader.U8("ELF class");
  if (elfClass != kClass32 && elfClass != kClass64) reader.FailAt(4, "unknown ELF class");
  is64_ = elfClass == kClass64;
  if (reader.U8("ELF data encoding") != kLittleEndian) {
    reader.FailAt(5, "a big-endian ELF file is no module of this host");
  }
  auto word = [this](ByteReader &r, const char *what) -> uint64_t {
    return is64_ ? r.U64(what) : r.U32(what);
  };
  reader.Seek(16, "ELF header");
  reader.Skip(2 + 2 + 4, "ELF header");  // type, machine, version
  word(reader, "entry address");
  const uint64_t programOffset = word(reader, "program header offset");
  const uint64_t sectionOffset = word(reader, "section header offset");
  reader.U32("flags");
  reader.U16("ELF header size");
  const uint16_t programEntrySize = reader.U16("program header size");
  const uint16_t programCount = reader.U16("program header count");
  const uint16_t entrySize = reader.U16("section header size");
  uint64_t count = reader.U16("section header count");
  uint32_t namesIndex = reader.U16("section name table index");
  CheckProgramHeaders(programOffset, programEntrySize, programCount);
  if (sectionOffset == 0) return;  // no section headers at all

  const size_t minimumEntry = is64_ ? 64 : 40;
  if (entrySize < minimumEntry) {
    reader.Fail("section header size " + std::to_string(entrySize) + " is too small");
  }
  if (sectionOffset > file.size()) reader.Fail("section headers start past the end");
  ByteReader table(file.data() + sectionOffset, file.size() - sectionOffset,
                   context_ + ": section headers", sectionOffset);
  auto readHeader = [&](uint64_t index, uint32_t &nameOffset) {
    if (index >= table.Size() / entrySize)
      table.Fail("section header " + std::to_string(index) + " runs past the end");
    table.Seek(index * entrySize, "section header");
    SectionHeader header;
    nameOffset = table.U32("section name");
    header.type = table.U32("section type");
    word(table, "section flags");
    word(table, "section address");
    header.offset = word(table, "section offset");
    header.size = word(table, "section size");
    header.link = table.U32("section link");
    return header;
  };
  // Files with very many sections keep the real count and name table index in section 0.
  uint32_t unusedName = 0;
  if (count == 0 || namesIndex == kExtendedIndex) {
    SectionHeader first = readHeader(0, unusedName);
    if (count == 0) count = first.size;
    if (namesIndex == kExtendedIndex) namesIndex = first.link;
  }
  if (count > table.Size() / entrySize) {
    table.Fail("section header count " + std::to_string(count) + " runs past the end");
  }
  std::vector<uint32_t> nameOffsets(count);
  for (uint64_t index = 0; index < count; ++index) {
    sections_.push_back(readHeader(index, nameOffsets[index]));
  }
  if (namesIndex >= count) table.Fail("the section name table index is out of range");
  const Bytes names = Contents(sections_[namesIndex]);
  for (uint64_t index = 0; index < count; ++index) {
    ByteReader name(names, context_ + ": section " + std::to_string(index) + " name");
    name.Seek(nameOffsets[index], "section name");
    sections_[index].name = name.Asciiz("section name");
  }
}

Bytes ElfFile::Contents(const SectionHeader &section) const {
  if (section.type == kNoBits) {
    throw FormatError(context_ + ": section " + section.name + " has no contents in the file");
  }
  if (section.size > file_.size() || section.offset > file_.size() - section.size) {
    throw FormatError(context_ + ": section " + section.name + " runs past the end of the file");
  }
  return Bytes(file_.begin() + static_cast<ptrdiff_t>(section.offset),
               file_.begin() + static_cast<ptrdiff_t>(section.offset + section.size));
}

const ElfFile::SectionHeader *ElfFile::Find(const std::string &name) const {
  for (const SectionHeader &section : sections_) {
    if (section.name == name) return &section;
  }
  return nullptr;
}

std::optional<Bytes> ElfFile::Section(const std::string &name) const {
  const SectionHeader *section = Find(name);
  if (!section) return std::nullopt;
  return Contents(*section);
}

std::vector<std::string> ElfFile::DynamicExports() const {
  std::vector<std::string> exports;
  for (const SectionHeader &section : sections_) {
    if (section.type != kDynamicSymbols) continue;
    if (section.link >= sections_.size()) {
      throw FormatError(context_ + ": " + section.name + " names no string table");
    }
    const Bytes symbols = Contents(section);
    const Bytes strings = Contents(sections_[section.link]);
    ByteReader reader(symbols, context_ + ": " + section.name, section.offset);
    const size_t entrySize = is64_ ? 24 : 16;
    while (reader.Remaining() >= entrySize) {
      const uint32_t nameOffset = reader.U32("symbol name");
      uint8_t info = 0, other = 0;
      uint16_t sectionIndex = 0;
      if (is64_) {
        info = reader.U8("symbol info");
        other = reader.U8("symbol visibility");
        sectionIndex = reader.U16("symbol section");
        reader.Skip(16, "symbol value and size");
      } else {
        reader.Skip(8, "symbol value and size");
        info = reader.U8("symbol info");
        other = reader.U8("symbol visibility");
        sectionIndex = reader.U16("symbol section");
      }
      const uint8_t binding = info >> 4, visibility = other & 3;
      const bool bindable =
          binding == kBindGlobal || binding == kBindWeak || binding == kBindUnique;
      const bool visible = visibility == kVisibilityDefault || visibility == kVisibilityProtected;
      if (sectionIndex == 0 || !bindable || !visible) continue;
      ByteReader name(strings, context_ + ": " + sections_[section.link].name);
      name.Seek(nameOffset, "symbol name");
      exports.push_back(name.Asciiz("symbol name"));
    }
  }
  return exports;
}

}  // namespace zvhost
