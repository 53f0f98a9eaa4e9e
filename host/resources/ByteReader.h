// A bounds-checked cursor over resource and module bytes. Every parser reads through it, so
// that damaged input ends in a FormatError naming the place, never in a read past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "host/resources/ResourceSource.h"

namespace zvhost {

// A field that holds either 0xFFFF and a 16-bit ordinal or a NUL-terminated UTF-16 text
// (an empty text when its first unit is 0), as resource headers and templates store names.
struct NameOrOrdinal {
  std::optional<uint16_t> ordinal;
  std::string text;
};

class ByteReader {
 public:
  // `context` opens every error message ("dialog 102"); `base` is the offset of data[0] in
  // the enclosing file, so that messages give offsets a reader can find with a hex viewer.
  ByteReader(const uint8_t *data, size_t size, std::string context, size_t base = 0);
  ByteReader(const Bytes &bytes, std::string context, size_t base = 0);

  size_t Offset() const { return offset_; }
  size_t Size() const { return size_; }
  size_t Remaining() const { return size_ - offset_; }
  bool AtEnd() const { return offset_ == size_; }
  const std::string &Context() const { return context_; }

  void Seek(size_t offset, const char *what);
  void Skip(size_t count, const char *what);
  // Skips to the next multiple of `alignment` (of the offset within this reader), or to the
  // end when fewer bytes remain: padding at the very end may be left out.
  void Align(size_t alignment);

  uint8_t U8(const char *what);
  uint16_t U16(const char *what);
  uint32_t U32(const char *what);
  uint64_t U64(const char *what);
  uint16_t U16BE(const char *what);
  uint32_t U32BE(const char *what);
  Bytes Take(size_t count, const char *what);
  // A NUL-terminated UTF-16LE text, as UTF-8.
  std::string Utf16z(const char *what);
  // `count` UTF-16LE code units, as UTF-8.
  std::string Utf16(size_t count, const char *what);
  NameOrOrdinal NameOrOrdinalField(const char *what);
  // A NUL-terminated byte text.
  std::string Asciiz(const char *what);

  // A reader over the next `count` bytes, which this reader then skips.
  ByteReader Sub(size_t count, const std::string &context, const char *what);
  // A reader over the remaining bytes under another context; this reader does not move.
  ByteReader Rest(const std::string &context) const;

  // Throws a FormatError "<context>: <what> at offset 0x..", at the current offset.
  [[noreturn]] void Fail(const std::string &what) const;
  [[noreturn]] void FailAt(size_t offset, const std::string &what) const;

 private:
  void Need(size_t count, const char *what) const;

  const uint8_t *data_;
  size_t size_;
  size_t offset_ = 0;
  std::string context_;
  size_t base_;
};

// "0x1a4".
std::string HexText(uint64_t value);
// Appends one code point (at most U+10FFFF) to `out` as UTF-8.
void AppendUtf8(std::string &out, char32_t codePoint);
// UTF-16 code units to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(const char16_t *units, size_t count);
// A four-character code as text, its first (most significant) character first: "SPEA".
// Characters outside printable ASCII are written as \xNN.
std::string FourCharText(uint32_t code);

}  // namespace zvhost
