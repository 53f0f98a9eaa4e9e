// One fuzz target: the reader named by ZARVEL_FUZZ_READER (each target is this file built
// with another name).
#include <cstdio>
#include <cstdlib>

#include "Readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static const zvfuzz::Reader *reader = [] {
    const zvfuzz::Reader *named = zvfuzz::ReaderNamed(ZARVEL_FUZZ_READER);
    if (named == nullptr) {
      std::fprintf(stderr, "no reader named %s\n", ZARVEL_FUZZ_READER);
      std::abort();
    }
    return named;
  }();
  reader->read(data, size);
  return 0;
}
