// A file's bytes mapped into memory, read-only: the system reads only the pages that are
// looked at, so a module's headers and resources are read without the rest of the file (its
// code and debug information).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zvhost {

class MappedFile {
 public:
  // Throws FormatError: "cannot open PATH: it is a folder", "cannot open PATH: REASON".
  explicit MappedFile(const std::string &path);
  ~MappedFile();
  MappedFile(const MappedFile &) = delete;
  MappedFile &operator=(const MappedFile &) = delete;

  std::span<const uint8_t> View() const { return {data_, size_}; }

 private:
  const uint8_t *data_ = nullptr;
  size_t size_ = 0;
};

}  // namespace zvhost
