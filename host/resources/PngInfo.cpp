#include "host/resources/PngInfo.h"

#include <algorithm>
#include <array>

#include "host/resources/ByteReader.h"

namespace zvhost {

namespace {

constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint32_t kIhdrSize = 13;
constexpr uint32_t kMaximumChunk = 0x7FFFFFFF;

constexpr uint32_t ChunkType(const char (&name)[5]) {
  return (uint32_t{static_cast<uint8_t>(name[0])} << 24) |
         (uint32_t{static_cast<uint8_t>(name[1])} << 16) |
         (uint32_t{static_cast<uint8_t>(name[2])} << 8) | uint32_t{static_cast<uint8_t>(name[3])};
}

uint32_t Crc32(const uint8_t *data, size_t size) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

bool ValidDepth(uint8_t colourType, uint8_t depth) {
  switch (colourType) {
    case 0:
      return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3:
      return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6:
      return depth == 8 || depth == 16;
    default:
      return false;
  }
}

}  // namespace

PngInfo ParsePng(const Bytes &data, const std::string &context) {
  ByteReader reader(data, context);
  Bytes signature = reader.Take(kSignature.size(), "PNG signature");
  if (!std::equal(signature.begin(), signature.end(), kSignature.begin())) {
    reader.FailAt(0, "not a PNG file (wrong signature)");
  }
  PngInfo info;
  bool first = true;
  for (;;) {
    const size_t start = reader.Offset();
    const uint32_t length = reader.U32BE("chunk length");
    if (length > kMaximumChunk) reader.FailAt(start, "chunk length is too large");
    if (reader.Remaining() < size_t{length} + 8) {
      reader.FailAt(start, "chunk of " + std::to_string(length) + " bytes runs past the end");
    }
    const uint32_t type = reader.U32BE("chunk type");
    ByteReader body = reader.Sub(length, context + ": chunk " + FourCharText(type), "chunk");
    const uint32_t crc = reader.U32BE("chunk CRC");
    if (crc != Crc32(data.data() + start + 4, size_t{length} + 4)) {
      reader.FailAt(start, "chunk " + FourCharText(type) + " has a wrong CRC");
    }
    if (first != (type == ChunkType("IHDR"))) {
      reader.FailAt(start, first ? "the first chunk is not IHDR" : "a second IHDR chunk");
    }
    if (first) {
      if (length != kIhdrSize) body.Fail("IHDR is not 13 bytes long");
      info.width = body.U32BE("width");
      info.height = body.U32BE("height");
      info.bitDepth = body.U8("bit depth");
      info.colourType = body.U8("colour type");
      if (info.width == 0 || info.height == 0) body.FailAt(0, "the picture has no pixels");
      if (!ValidDepth(info.colourType, info.bitDepth)) {
        body.FailAt(8, "colour type " + std::to_string(info.colourType) + " with bit depth " +
                           std::to_string(info.bitDepth) + " is not a PNG format");
      }
      info.alpha = info.colourType == 4 || info.colourType == 6;
      first = false;
    }
    if (type == ChunkType("tRNS")) info.alpha = true;
    if (type == ChunkType("IEND")) break;
  }
  return info;
}

}  // namespace zvhost
