#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include "host/core/FilePath.h"
#include "host/core/FileReplace.h"

namespace zvhost {

namespace {

// Closes and removes the new file, then throws with the reason `errno` held.
[[noreturn]] void Abandon(int descriptor, const std::filesystem::path &file, const char *step) {
  std::string reason = std::string(step) + " failed: " + std::strerror(errno);
  _close(descriptor);
  _wunlink(file.c_str());
  throw FileWriteError(reason);
}

}  // namespace

// Windows has no permission bits to keep: a read-only file refuses to be replaced, which the
// rename then reports, and `like` has nothing to give.
bool WriteNewFile(const std::filesystem::path &file, std::string_view contents,
                  const std::filesystem::path * /*like*/) {
  int descriptor = _wopen(file.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                          _S_IREAD | _S_IWRITE);
  if (descriptor < 0) {
    if (errno == EEXIST) return false;
    throw FileWriteError("cannot create " + Utf8Name(file) + ": " + std::strerror(errno));
  }
  while (!contents.empty()) {
    unsigned chunk = static_cast<unsigned>(std::min<size_t>(contents.size(), INT_MAX));
    int written = _write(descriptor, contents.data(), chunk);
    if (written < 0) Abandon(descriptor, file, "writing");
    contents.remove_prefix(static_cast<size_t>(written));
  }
  if (_commit(descriptor) != 0) Abandon(descriptor, file, "writing");
  if (_close(descriptor) != 0) {
    std::string reason = std::string("writing failed: ") + std::strerror(errno);
    _wunlink(file.c_str());
    throw FileWriteError(reason);
  }
  return true;
}

}  // namespace zvhost
