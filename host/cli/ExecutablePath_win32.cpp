#include <windows.h>

#include "host/cli/ExecutablePath.h"

namespace zvhost {

std::string ExecutableDirectory() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return ".";
  std::string full(path, length);
  size_t slash = full.find_last_of("\\/");
  return slash == std::string::npos ? "." : full.substr(0, slash);
}

}  // namespace zvhost
