// Every reader of outside input, by name, as the fuzz targets and the replay of their
// findings call it: the bytes in, and the reader's own error for bad input is a sound end.
// Any other exception, a crash or a sanitizer report is a finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zvfuzz {

struct Reader {
  std::string name;  // the fuzz target is fuzz-NAME; its findings sit in fuzz/regressions/NAME/
  void (*read)(const uint8_t *data, size_t size);
};

const std::vector<Reader> &Readers();
// Null when no reader has that name.
const Reader *ReaderNamed(const std::string &name);

}  // namespace zvfuzz
