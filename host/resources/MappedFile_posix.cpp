#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/core/FilePath.h"
#include "host/resources/MappedFile.h"
#include "host/resources/ResourceSource.h"

namespace zvhost {

MappedFile::MappedFile(const std::string &path) {
  const int file = open(FilePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) throw FormatError("cannot open " + path + ": " + std::strerror(errno));
  struct stat status {};
  if (fstat(file, &status) != 0) {
    const int error = errno;
    close(file);
    throw FormatError("cannot read " + path + ": " + std::strerror(error));
  }
  if (S_ISDIR(status.st_mode)) {
    close(file);
    throw FormatError("cannot open " + path + ": it is a folder");
  }
  size_ = static_cast<size_t>(status.st_size);
  if (size_ > 0) {
    void *mapped = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, file, 0);
    if (mapped == MAP_FAILED) {
      const int error = errno;
      close(file);
      throw FormatError("cannot read " + path + ": " + std::strerror(error));
    }
    data_ = static_cast<const uint8_t *>(mapped);
  }
  close(file);
}

MappedFile::~MappedFile() {
  if (data_ != nullptr) munmap(const_cast<uint8_t *>(data_), size_);
}

}  // namespace zvhost
