#include "support/TempFolder.h"

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>
#include <system_error>

namespace zvtest {

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  static const unsigned processTag = std::random_device{}();
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  // A name some other run already holds is passed over, never shared.
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = base / ("zarvel-test-" + std::to_string(processTag) + "-" + std::to_string(counter++));
    if (std::filesystem::create_directory(path_)) return;
  }
  throw std::runtime_error("cannot make a fresh folder in " + base.string());
}

TempFolder::~TempFolder() {
  std::error_code ignored;  // a destructor must not throw; what is left is the system's
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::PathOf(const std::string &name) const {
  return (path_ / name).string();
}

std::string TempFolder::Write(const std::string &name, const std::string &contents) const {
  const std::filesystem::path path = path_ / name;
  std::ofstream out(path, std::ios::binary);
  out << contents;
  if (!out) throw std::runtime_error("cannot write " + path.string());
  return path.string();
}

}  // namespace zvtest
