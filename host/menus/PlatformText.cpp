#include "host/menus/PlatformText.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "host/resources/ByteReader.h"

namespace zvhost {

namespace {

// Bytes 0x80 to 0x9F. The five bytes the code page leaves undefined stand for the control
// characters of the same value, as Windows converts them.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharacterOf(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t{byte};
}

std::optional<unsigned char> ByteOf(char32_t character) {
  if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
    return static_cast<unsigned char>(character);
  }
  const char32_t *found = std::find(std::begin(kHighControls), std::end(kHighControls), character);
  if (found == std::end(kHighControls)) return std::nullopt;
  return static_cast<unsigned char>(0x80 + (found - std::begin(kHighControls)));
}

// The next code point of `text` from `at`, which it advances; null for a malformed sequence
// (overlong forms, surrogates and values past U+10FFFF included).
std::optional<char32_t> NextCodePoint(std::string_view text, size_t &at) {
  auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int length;
  char32_t value;
  char32_t least;
  if ((lead & 0xE0) == 0xC0) {
    length = 1, value = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 2, value = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 3, value = lead & 0x07, least = 0x10000;
  } else {
    return std::nullopt;
  }
  for (int i = 0; i < length; ++i) {
    if (at >= text.size()) return std::nullopt;
    auto next = static_cast<unsigned char>(text[at++]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::string PlatformToUtf8(std::string_view platform) {
  std::string utf8;
  utf8.reserve(platform.size());
  for (char byte : platform) AppendUtf8(utf8, CharacterOf(static_cast<unsigned char>(byte)));
  return utf8;
}

std::optional<std::string> Utf8ToPlatform(std::string_view utf8) {
  std::string platform;
  platform.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    std::optional<char32_t> character = NextCodePoint(utf8, at);
    if (!character) return std::nullopt;
    std::optional<unsigned char> byte = ByteOf(*character);
    if (!byte) return std::nullopt;
    platform += static_cast<char>(*byte);
  }
  return platform;
}

}  // namespace zvhost
