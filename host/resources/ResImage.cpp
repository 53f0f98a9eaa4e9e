// The .res image: a sequence of DWORD-aligned entries, each a header (data size, header size,
// type, name, data version, memory flags, language, version, characteristics) and the data.
// The first entry is the empty 32-byte marker that tells a 32-bit image from a 16-bit one.
#include <string>

#include "host/resources/ByteReader.h"
#include "host/resources/ResourceList.h"

namespace zvhost {

namespace {

constexpr uint32_t kMarkerHeaderSize = 32;

// A type or name of an entry: an ordinal or a text, never empty.
NameOrOrdinal ReadName(ByteReader &reader, const char *what) {
  NameOrOrdinal value = reader.NameOrOrdinalField(what);
  if (!value.ordinal && value.text.empty()) reader.Fail(std::string(what) + " is an empty text");
  return value;
}

std::string Describe(const ResourceEntry &entry) {
  return entry.type.ToString() + " " + (entry.name.empty() ? std::to_string(entry.id) : entry.name);
}

// One entry and its data; leaves the reader after the data's padding.
ResourceEntry ReadEntry(ByteReader &reader) {
  const uint32_t dataSize = reader.U32("data size");
  const uint32_t headerSize = reader.U32("header size");
  if (headerSize < 8) {
    reader.FailAt(4, "header size " + std::to_string(headerSize) + " is too small");
  }
  ByteReader header = reader.Sub(headerSize - 8, reader.Context(), "header");
  ResourceEntry entry;
  NameOrOrdinal type = ReadName(header, "type");
  entry.type =
      type.ordinal ? ResourceType::Numbered(*type.ordinal) : ResourceType::Named(type.text);
  NameOrOrdinal name = ReadName(header, "name");
  entry.id = name.ordinal.value_or(0);
  entry.name = name.text;
  header.Align(4);
  ByteReader fields = header.Rest(reader.Context() + " (" + Describe(entry) + ")");
  fields.U32("data version");
  fields.U16("memory flags");
  entry.language = fields.U16("language");
  fields.U32("version");
  fields.U32("characteristics");
  if (!fields.AtEnd()) fields.Fail("header size leaves bytes after the characteristics");
  if (dataSize > reader.Remaining()) {
    reader.Rest(fields.Context())
        .Fail("data of " + std::to_string(dataSize) + " bytes runs past the end");
  }
  entry.data = reader.Take(dataSize, "data");
  reader.Align(4);
  return entry;
}

}  // namespace

std::unique_ptr<ResourceSource> ReadResImage(Bytes image) {
  ByteReader reader(image, "resource image");
  if (reader.Remaining() < kMarkerHeaderSize) {
    reader.Fail("not a 32-bit resource image: shorter than the 32-byte first entry");
  }
  const uint32_t markerSize = reader.U32("first entry's data size");
  const uint32_t markerHeader = reader.U32("first entry's header size");
  const uint32_t markerType = reader.U32("first entry's type");
  if (markerSize != 0 || markerHeader != kMarkerHeaderSize || markerType != 0x0000FFFF) {
    reader.FailAt(0, "not a 32-bit resource image: the first entry is not the empty marker");
  }
  reader.Seek(kMarkerHeaderSize, "first entry");

  std::vector<ResourceEntry> entries;
  while (!reader.AtEnd()) {
    ByteReader entryReader =
        reader.Rest("resource image: entry " + std::to_string(entries.size() + 1));
    entries.push_back(ReadEntry(entryReader));
    reader.Skip(entryReader.Offset(), "entry");
  }
  return std::make_unique<ResourceList>(std::move(entries));
}

}  // namespace zvhost
