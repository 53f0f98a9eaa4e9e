#include <unistd.h>

#include <climits>

#include "host/cli/ExecutablePath.h"

namespace zvhost {

std::string ExecutableDirectory() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return ".";
  std::string full(path, static_cast<size_t>(length));
  size_t slash = full.rfind('/');
  return slash == std::string::npos ? "." : full.substr(0, slash);
}

}  // namespace zvhost
