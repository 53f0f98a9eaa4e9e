#include "host/engine/Utf8.h"

namespace zvhost::engine {

namespace {

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

// The length of the well-formed sequence at `at`, or 0 (the ranges of Unicode's table of
// well-formed byte sequences: no overlong forms, no surrogates, nothing above U+10FFFF).
size_t SequenceLength(std::string_view text, size_t at) {
  auto byte = [&](size_t i) -> unsigned char {
    return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0;
  };
  unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  unsigned char low = 0x80, high = 0xbf;
  size_t length;
  if (InRange(lead, 0xc2, 0xdf)) {
    length = 2;
  } else if (InRange(lead, 0xe0, 0xef)) {
    length = 3;
    if (lead == 0xe0) low = 0xa0;
    if (lead == 0xed) high = 0x9f;
  } else if (InRange(lead, 0xf0, 0xf4)) {
    length = 4;
    if (lead == 0xf0) low = 0x90;
    if (lead == 0xf4) high = 0x8f;
  } else {
    return 0;
  }
  if (!InRange(byte(1), low, high)) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (!InRange(byte(i), 0x80, 0xbf)) return 0;
  }
  return length;
}

}  // namespace

Utf8Check CheckUtf8(std::string_view text) {
  Utf8Check check;
  size_t at = 0;
  while (at < text.size()) {
    size_t length = SequenceLength(text, at);
    if (length == 0) {
      check.valid = false;
      check.badByte = at;
      return check;
    }
    bool isBreak = (length == 1 && (text[at] == '\r' || text[at] == '\n')) ||
                   text.substr(at, length) == "\xe2\x80\xa9";
    if (isBreak && check.firstBreak < 0) check.firstBreak = check.codePoints;
    ++check.codePoints;
    at += length;
  }
  return check;
}

}  // namespace zvhost::engine
