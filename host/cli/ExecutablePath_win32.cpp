#include <windows.h>

#include <filesystem>

#include "host/cli/ExecutablePath.h"
#include "host/core/FilePath.h"

namespace zvhost {

std::string ExecutableDirectory() {
  // Long paths go past MAX_PATH: the buffer grows until the name fits.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return ".";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return Utf8Name(std::filesystem::path(path).parent_path());
}

}  // namespace zvhost
