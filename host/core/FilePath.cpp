#include "host/core/FilePath.h"

#include "host/core/UsageError.h"

namespace zvhost {

std::filesystem::path FilePath(const std::string &utf8) {
  try {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
  } catch (const std::exception &) {
    throw UsageError("'" + utf8 + "' is not a file name in UTF-8");
  }
}

std::string Utf8Name(const std::filesystem::path &path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

}  // namespace zvhost
