// A fresh folder of the test's own in the system's temporary folder, removed with all it
// holds when the object goes, so that no test leaves files behind.
#pragma once

#include <filesystem>
#include <string>

namespace zvtest {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder &) = delete;
  TempFolder &operator=(const TempFolder &) = delete;

  const std::filesystem::path &Path() const { return path_; }
  // The path of `name` in the folder; nothing is written.
  std::string PathOf(const std::string &name) const;
  // Writes `contents` to the file `name` in the folder, replacing it; its path.
  std::string Write(const std::string &name, const std::string &contents) const;

 private:
  std::filesystem::path path_;
};

}  // namespace zvtest
