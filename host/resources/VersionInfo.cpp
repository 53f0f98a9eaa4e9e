// Every block of a version resource is: its length, the length of its value, its type (1 a
// text, 0 binary), a NUL-terminated UTF-16 key, padding to 32 bits, the value, padding, and
// its child blocks up to its length.
#include "host/resources/VersionInfo.h"

#include "host/resources/ByteReader.h"

namespace zvhost {

namespace {

constexpr uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr size_t kFixedInfoSize = 52;
constexpr uint16_t kTextValue = 1;

struct Block {
  std::string key;
  uint16_t type = 0;
  ByteReader value;
  ByteReader children;
};

// Whether another block follows, after the padding that may end the enclosing block.
bool MoreBlocks(ByteReader &children) {
  children.Align(4);
  return !children.AtEnd();
}

Block ReadBlock(ByteReader &parent, const std::string &context) {
  parent.Align(4);
  const uint16_t length = parent.Rest(context).U16("block length");
  if (length < 6) parent.Fail("block length " + std::to_string(length) + " is too small");
  ByteReader block = parent.Sub(length, context, "block");
  block.Skip(2, "block length");
  const uint16_t valueLength = block.U16("value length");
  const uint16_t type = block.U16("value type");
  std::string key = block.Utf16z("key");
  block.Align(4);
  size_t valueBytes = type == kTextValue ? size_t{valueLength} * 2 : valueLength;
  // Resource compilers disagree on whether a text's value length counts units or bytes; a
  // text is taken up to the end of its block at most.
  if (type == kTextValue && valueBytes > block.Remaining()) valueBytes = block.Remaining();
  ByteReader value = block.Sub(valueBytes, context + ": " + key, "value");
  block.Align(4);
  return {key, type, value, block.Rest(context + ": " + key)};
}

std::string TextValue(Block &block) {
  if (block.type != kTextValue) block.value.Fail("value is not a text");
  // Up to the first NUL, or the whole value when it has none.
  std::vector<char16_t> units;
  while (block.value.Remaining() >= 2) {
    char16_t unit = block.value.U16("text");
    if (unit == 0) break;
    units.push_back(unit);
  }
  return Utf16ToUtf8(units.data(), units.size());
}

void ReadFixedInfo(ByteReader &value, VersionInfo &info) {
  if (value.Size() == 0) return;  // a version resource may leave the fixed information out
  if (value.Size() < kFixedInfoSize) value.Fail("fixed file information is too short");
  if (value.U32("signature") != kFixedInfoSignature) {
    value.FailAt(0, "fixed file information has a wrong signature");
  }
  value.U32("structure version");
  auto readVersion = [&value](std::array<uint16_t, 4> &version, const char *what) {
    const uint32_t high = value.U32(what), low = value.U32(what);
    version = {static_cast<uint16_t>(high >> 16), static_cast<uint16_t>(high),
               static_cast<uint16_t>(low >> 16), static_cast<uint16_t>(low)};
  };
  readVersion(info.fileVersion, "file version");
  readVersion(info.productVersion, "product version");
  info.fileFlagsMask = value.U32("file flags mask");
  info.fileFlags = value.U32("file flags");
  info.fileOS = value.U32("operating system");
  info.fileType = value.U32("file type");
  info.fileSubtype = value.U32("file subtype");
}

void ReadStringFileInfo(Block &stringFileInfo, VersionInfo &info, const std::string &context) {
  while (MoreBlocks(stringFileInfo.children)) {
    Block table = ReadBlock(stringFileInfo.children, context + ": StringFileInfo");
    VersionStringTable strings{table.key, {}};
    while (MoreBlocks(table.children)) {
      Block value = ReadBlock(table.children, context + ": " + table.key);
      strings.values.emplace_back(value.key, TextValue(value));
    }
    info.stringTables.push_back(std::move(strings));
  }
}

void ReadVarFileInfo(Block &varFileInfo, VersionInfo &info, const std::string &context) {
  while (MoreBlocks(varFileInfo.children)) {
    Block var = ReadBlock(varFileInfo.children, context + ": VarFileInfo");
    if (var.key != "Translation") continue;
    if (var.value.Size() % 4 != 0) var.value.Fail("translations are not 32-bit numbers");
    while (!var.value.AtEnd()) {
      const uint16_t language = var.value.U16("language");
      const uint16_t codePage = var.value.U16("code page");
      info.translations.push_back(language | (uint32_t{codePage} << 16));
    }
  }
}

}  // namespace

std::string VersionInfo::Value(const std::string &key) const {
  for (const VersionStringTable &table : stringTables) {
    for (const auto &[name, value] : table.values) {
      if (name == key) return value;
    }
  }
  return {};
}

VersionInfo ParseVersionInfo(const Bytes &data, const std::string &context) {
  ByteReader reader(data, context);
  Block root = ReadBlock(reader, context);
  if (root.key != "VS_VERSION_INFO") reader.FailAt(6, "the first block is not VS_VERSION_INFO");
  VersionInfo info;
  ReadFixedInfo(root.value, info);
  while (MoreBlocks(root.children)) {
    Block child = ReadBlock(root.children, context);
    if (child.key == "StringFileInfo") ReadStringFileInfo(child, info, context);
    if (child.key == "VarFileInfo") ReadVarFileInfo(child, info, context);
  }
  return info;
}

}  // namespace zvhost
