#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "host/core/FilePath.h"
#include "host/core/FileReplace.h"

namespace zvhost {

namespace {

// Closes and removes the new file, then throws with the reason `errno` held.
[[noreturn]] void Abandon(int descriptor, const std::filesystem::path &file, const char *step) {
  std::string reason = std::string(step) + " failed: " + std::strerror(errno);
  ::close(descriptor);
  ::unlink(file.c_str());
  throw FileWriteError(reason);
}

}  // namespace

bool WriteNewFile(const std::filesystem::path &file, std::string_view contents,
                  const std::filesystem::path *like) {
  // Created readable by its owner alone until it has the permissions it is to keep.
  const mode_t creationMode = like != nullptr ? 0600 : 0666;
  int descriptor = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, creationMode);
  if (descriptor < 0) {
    if (errno == EEXIST) return false;
    throw FileWriteError("cannot create " + Utf8Name(file) + ": " + std::strerror(errno));
  }
  if (like != nullptr) {
    struct stat old {};
    if (::stat(like->c_str(), &old) != 0) Abandon(descriptor, file, "reading its permissions");
    // The file stays its owner's where the system lets the host give it away (root may); a
    // user who may not has the new file as their own, as an editor's save does.
    if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) {
      [[maybe_unused]] int given = ::fchown(descriptor, old.st_uid, old.st_gid);
    }
    if (::fchmod(descriptor, old.st_mode & 07777) != 0) {
      Abandon(descriptor, file, "keeping its permissions");
    }
  }
  while (!contents.empty()) {
    ssize_t written = ::write(descriptor, contents.data(), contents.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) Abandon(descriptor, file, "writing");
    contents.remove_prefix(static_cast<size_t>(written));
  }
  if (::fsync(descriptor) != 0) Abandon(descriptor, file, "writing");
  if (::close(descriptor) != 0) {
    std::string reason = std::string("writing failed: ") + std::strerror(errno);
    ::unlink(file.c_str());
    throw FileWriteError(reason);
  }
  return true;
}

}  // namespace zvhost
