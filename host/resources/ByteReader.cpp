#include "host/resources/ByteReader.h"

#include <cstdio>
#include <vector>

namespace zvhost {

void AppendUtf8(std::string &out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string HexText(uint64_t value) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "0x%llx", static_cast<unsigned long long>(value));
  return buffer;
}

std::string Utf16ToUtf8(const char16_t *units, size_t count) {
  std::string out;
  out.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    uint32_t unit = units[i];
    if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < count && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00));
      ++i;
    } else if (unit >= 0xD800 && unit < 0xE000) {
      AppendUtf8(out, 0xFFFD);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::string FourCharText(uint32_t code) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    auto c = static_cast<unsigned char>(code >> shift);
    if (c >= 0x20 && c < 0x7F) {
      text += static_cast<char>(c);
    } else {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02x", c);
      text += buffer;
    }
  }
  return text;
}

ByteReader::ByteReader(const uint8_t *data, size_t size, std::string context, size_t base)
    : data_(data), size_(size), context_(std::move(context)), base_(base) {}

ByteReader::ByteReader(const Bytes &bytes, std::string context, size_t base)
    : ByteReader(bytes.data(), bytes.size(), std::move(context), base) {}

void ByteReader::Fail(const std::string &what) const {
  FailAt(offset_, what);
}

void ByteReader::FailAt(size_t offset, const std::string &what) const {
  throw FormatError(context_ + ": " + what + " at offset " + HexText(base_ + offset));
}

void ByteReader::Need(size_t count, const char *what) const {
  if (count > Remaining()) Fail(std::string(what) + " runs past the end");
}

void ByteReader::Seek(size_t offset, const char *what) {
  if (offset > size_) Fail(std::string(what) + " points past the end (" + HexText(offset) + ")");
  offset_ = offset;
}

void ByteReader::Skip(size_t count, const char *what) {
  Need(count, what);
  offset_ += count;
}

void ByteReader::Align(size_t alignment) {
  size_t padded = (offset_ + alignment - 1) / alignment * alignment;
  offset_ = padded < size_ ? padded : size_;
}

uint8_t ByteReader::U8(const char *what) {
  Need(1, what);
  return data_[offset_++];
}

uint16_t ByteReader::U16(const char *what) {
  Need(2, what);
  uint16_t value = static_cast<uint16_t>(data_[offset_] | (data_[offset_ + 1] << 8));
  offset_ += 2;
  return value;
}

uint32_t ByteReader::U32(const char *what) {
  Need(4, what);
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | data_[offset_ + i];
  offset_ += 4;
  return value;
}

uint64_t ByteReader::U64(const char *what) {
  Need(8, what);
  uint64_t value = 0;
  for (int i = 7; i >= 0; --i) value = (value << 8) | data_[offset_ + i];
  offset_ += 8;
  return value;
}

uint16_t ByteReader::U16BE(const char *what) {
  Need(2, what);
  uint16_t value = static_cast<uint16_t>((data_[offset_] << 8) | data_[offset_ + 1]);
  offset_ += 2;
  return value;
}

uint32_t ByteReader::U32BE(const char *what) {
  Need(4, what);
  uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = (value << 8) | data_[offset_ + i];
  offset_ += 4;
  return value;
}

Bytes ByteReader::Take(size_t count, const char *what) {
  Need(count, what);
  Bytes bytes(data_ + offset_, data_ + offset_ + count);
  offset_ += count;
  return bytes;
}

std::string ByteReader::Utf16z(const char *what) {
  size_t start = offset_;
  std::vector<char16_t> units;
  for (;;) {
    if (Remaining() < 2) FailAt(start, std::string(what) + " runs past the end");
    char16_t unit = U16(what);
    if (unit == 0) break;
    units.push_back(unit);
  }
  return Utf16ToUtf8(units.data(), units.size());
}

std::string ByteReader::Utf16(size_t count, const char *what) {
  if (count > Remaining() / 2) Fail(std::string(what) + " runs past the end");
  std::vector<char16_t> units(count);
  for (auto &unit : units) unit = U16(what);
  return Utf16ToUtf8(units.data(), units.size());
}

NameOrOrdinal ByteReader::NameOrOrdinalField(const char *what) {
  NameOrOrdinal value;
  if (Remaining() >= 2 && data_[offset_] == 0xFF && data_[offset_ + 1] == 0xFF) {
    offset_ += 2;
    value.ordinal = U16(what);
  } else {
    value.text = Utf16z(what);
  }
  return value;
}

std::string ByteReader::Asciiz(const char *what) {
  size_t start = offset_;
  std::string text;
  for (;;) {
    if (AtEnd()) FailAt(start, std::string(what) + " runs past the end");
    char c = static_cast<char>(data_[offset_++]);
    if (c == 0) break;
    text += c;
  }
  return text;
}

ByteReader ByteReader::Sub(size_t count, const std::string &context, const char *what) {
  Need(count, what);
  ByteReader sub(data_ + offset_, count, context, base_ + offset_);
  offset_ += count;
  return sub;
}

ByteReader ByteReader::Rest(const std::string &context) const {
  return ByteReader(data_ + offset_, Remaining(), context, base_ + offset_);
}

}  // namespace zvhost
