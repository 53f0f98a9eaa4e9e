#include "plugin/ErrorCodeText.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

bool IsDecimalText(const char *text) {
  return text[0] == '-' || (text[0] >= '0' && text[0] <= '9');
}

// The number a decimal text spells, as a signed 16-bit value; a text that spells no
// number names 0.
HostErr DecodeDecimal(const char *text) {
  double value = 0;
  const char *end = text + std::strlen(text);
  const std::from_chars_result parsed = std::from_chars(text, end, value);
  if (parsed.ec != std::errc() || !std::isfinite(value)) return 0;
  double wrapped = std::fmod(std::trunc(value), 65536.0);
  if (wrapped < 0) wrapped += 65536.0;
  return static_cast<int16_t>(static_cast<uint16_t>(wrapped));
}

HostErr DecodeFourCharacters(const char *text) {
  char characters[4] = {0, 0, 0, 0};
  for (int i = 0; i < 4 && text[i] != '\0'; ++i) characters[i] = text[i];
  return ZV_FOUR_CHAR(characters[0], characters[1], characters[2], characters[3]);
}

}  // namespace

HostErr DecodeCodeText(const char *text) {
  return IsDecimalText(text) ? DecodeDecimal(text) : DecodeFourCharacters(text);
}

std::array<char, 16> FormatCodeText(HostErr code) {
  std::array<char, 16> text{};
  if (code >= -65536 && code <= 65535) {
    std::to_chars(text.data(), text.data() + text.size() - 1, code);
    return text;
  }
  const auto bits = static_cast<uint32_t>(code);
  for (int i = 0; i < 4; ++i) {
    const auto byte = static_cast<unsigned char>(bits >> (24 - 8 * i));
    text[i] = (byte >= 0x20 && byte < 0x7F) ? static_cast<char>(byte) : '?';
  }
  return text;
}
