#include "host/resources/StringTable.h"

#include <algorithm>

#include "host/resources/ByteReader.h"

namespace zvhost {

namespace {

constexpr uint16_t kBlockCount = 4096;  // 65536 ids, 16 a block

std::string BlockContext(uint16_t block) {
  return "string block " + std::to_string(block);
}

}  // namespace

StringBlock ParseStringBlock(const Bytes &data, const std::string &context) {
  ByteReader reader(data, context);
  StringBlock block;
  for (size_t index = 0; index < block.size(); ++index) {
    const std::string what = "string " + std::to_string(index);
    const uint16_t count = reader.U16((what + " length").c_str());
    block[index] = reader.Utf16(count, what.c_str());
  }
  // A block may be padded, with zeros only.
  while (!reader.AtEnd()) {
    if (reader.U8("padding") != 0)
      reader.FailAt(reader.Offset() - 1, "bytes follow the 16th string");
  }
  return block;
}

std::string FindString(const ResourceSource &resources, uint16_t id) {
  const uint16_t block = static_cast<uint16_t>((id >> 4) + 1);
  std::optional<Bytes> data = resources.Find(ResourceType::Numbered(kResString), block);
  if (!data) return {};
  return ParseStringBlock(*data, BlockContext(block))[id & 15];
}

std::vector<StringResource> ListStrings(const ResourceSource &resources) {
  std::vector<StringResource> strings;
  for (const ResourceEntry &entry : resources.List()) {
    if (!(entry.type == ResourceType::Numbered(kResString)) || !entry.name.empty()) continue;
    if (entry.id == 0 || entry.id > kBlockCount) {
      throw FormatError(BlockContext(entry.id) + ": string blocks are numbered 1 to 4096");
    }
    StringBlock block = ParseStringBlock(entry.data, BlockContext(entry.id));
    for (size_t index = 0; index < block.size(); ++index) {
      if (block[index].empty()) continue;
      strings.push_back({static_cast<uint16_t>((entry.id - 1) * 16 + index), block[index]});
    }
  }
  std::stable_sort(strings.begin(), strings.end(),
                   [](const StringResource &a, const StringResource &b) { return a.id < b.id; });
  return strings;
}

}  // namespace zvhost
