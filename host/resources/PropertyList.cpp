// The property list: a format marker (16 bits, 1), a version (32 bits, 0), a count, then the
// properties, each a vendor code, key, id, padded data length and the data. Four-character
// codes are little-endian 32-bit numbers whose first character is the most significant.
#include "host/resources/PropertyList.h"

#include <iterator>
#include <string>

#include "host/resources/ByteReader.h"

namespace zvhost {

namespace {

constexpr uint32_t Code(const char (&text)[5]) {
  return (static_cast<uint32_t>(static_cast<uint8_t>(text[0])) << 24) |
         (static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 16) |
         (static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 8) |
         static_cast<uint32_t>(static_cast<uint8_t>(text[3]));
}

constexpr uint32_t kVendor = Code("ADBE");
constexpr uint32_t kKindKey = Code("kind");
constexpr uint32_t kVersionKey = Code("ivrs");
constexpr uint32_t kEntryPointKey = Code("wx86");
constexpr uint32_t kNameKey = Code("pinm");
constexpr size_t kPropertyHeaderSize = 16;

// A text property: NUL-terminated, then zero bytes up to the next multiple of four, and no
// more than that.
std::string TextProperty(const PropertyListEntry &property, ByteReader &at, size_t dataOffset) {
  const std::string place = "property '" + FourCharText(property.key) + "'";
  size_t length = 0;
  while (length < property.data.size() && property.data[length] != 0) ++length;
  if (length == property.data.size()) {
    at.FailAt(dataOffset, place + ": text has no terminating NUL");
  }
  const size_t padded = (length + 1 + 3) / 4 * 4;
  for (size_t i = length + 1; i < property.data.size(); ++i) {
    if (property.data[i] != 0) at.FailAt(dataOffset + i, place + ": padding is not zero");
  }
  if (property.data.size() != padded) {
    at.FailAt(dataOffset, place + ": length " + std::to_string(property.data.size()) +
                              " is not the text's length with its NUL made up to " +
                              std::to_string(padded));
  }
  return std::string(property.data.begin(), property.data.begin() + length);
}

uint32_t NumberProperty(const PropertyListEntry &property, ByteReader &at, size_t dataOffset) {
  if (property.data.size() != 4) {
    at.FailAt(dataOffset, "property '" + FourCharText(property.key) + "': length " +
                              std::to_string(property.data.size()) + " is not 4");
  }
  ByteReader value(property.data, at.Context(), dataOffset);
  return value.U32("value");
}

// The properties this host interprets, each with the field it fills.
struct KnownProperty {
  uint32_t key;
  void (*read)(PropertyList &list, const PropertyListEntry &property, ByteReader &at,
               size_t dataOffset);
};

constexpr KnownProperty kKnownProperties[] = {
    {kKindKey, [](PropertyList &list, const PropertyListEntry &property, ByteReader &at,
                  size_t offset) { list.kind = NumberProperty(property, at, offset); }},
    {kVersionKey,
     [](PropertyList &list, const PropertyListEntry &property, ByteReader &at, size_t offset) {
       list.interfaceVersion = static_cast<int32_t>(NumberProperty(property, at, offset));
     }},
    {kEntryPointKey, [](PropertyList &list, const PropertyListEntry &property, ByteReader &at,
                        size_t offset) { list.entryPoint = TextProperty(property, at, offset); }},
    {kNameKey, [](PropertyList &list, const PropertyListEntry &property, ByteReader &at,
                  size_t offset) { list.name = TextProperty(property, at, offset); }},
};
constexpr size_t kEntryPointIndex = 2;

}  // namespace

PropertyList ParsePropertyList(const Bytes &data) {
  ByteReader reader(data, "property list");
  if (uint16_t marker = reader.U16("format marker"); marker != 1) {
    reader.FailAt(0, "format marker is " + std::to_string(marker) + ", not 1");
  }
  if (uint32_t version = reader.U32("version"); version != 0) {
    reader.FailAt(2, "version is " + std::to_string(version) + ", not 0");
  }
  const uint32_t count = reader.U32("property count");
  if (count > reader.Remaining() / kPropertyHeaderSize) {
    reader.FailAt(6, "property count " + std::to_string(count) + " does not fit in the " +
                         std::to_string(reader.Remaining()) + " bytes that follow");
  }

  PropertyList list;
  bool seen[std::size(kKnownProperties)] = {};
  for (uint32_t index = 0; index < count; ++index) {
    const size_t start = reader.Offset();
    PropertyListEntry property;
    property.vendor = reader.U32("vendor code");
    property.key = reader.U32("property key");
    property.id = reader.U32("property id");
    const uint32_t length = reader.U32("data length");
    const std::string place =
        "property " + std::to_string(index + 1) + " ('" + FourCharText(property.key) + "')";
    if (length % 4 != 0) {
      reader.FailAt(start + 12, place + ": data length " + std::to_string(length) +
                                    " is not a multiple of four");
    }
    if (length > reader.Remaining()) {
      reader.FailAt(start + 12,
                    place + ": data length " + std::to_string(length) + " runs past the end");
    }
    const size_t dataOffset = reader.Offset();
    property.data = reader.Take(length, "data");

    if (property.vendor == kVendor) {
      for (size_t k = 0; k < std::size(kKnownProperties); ++k) {
        if (property.key != kKnownProperties[k].key) continue;
        if (seen[k]) reader.FailAt(start, place + ": the list holds this property twice");
        seen[k] = true;
        kKnownProperties[k].read(list, property, reader, dataOffset);
      }
    }
    list.properties.push_back(std::move(property));
  }
  if (!reader.AtEnd()) {
    reader.Fail(std::to_string(reader.Remaining()) + " bytes follow the last property");
  }
  if (!seen[kEntryPointIndex]) reader.FailAt(6, "no 'wx86' property names the entry point");
  if (list.entryPoint.empty()) reader.FailAt(6, "the 'wx86' entry point name is empty");
  return list;
}

}  // namespace zvhost
