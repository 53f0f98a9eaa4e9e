// UTF-8 as the document file holds it: texts are checked and measured in code points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zvhost::engine {

struct Utf8Check {
  bool valid = true;
  int64_t codePoints = 0;  // when valid
  size_t badByte = 0;      // when not: offset of the first byte that is not well-formed UTF-8
  // When valid: the index (in code points) of the first paragraph break (CR, LF, U+2029),
  // or -1 when there is none.
  int64_t firstBreak = -1;
};

Utf8Check CheckUtf8(std::string_view text);

}  // namespace zvhost::engine
