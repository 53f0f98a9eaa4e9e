// A module file as it lies on disk, ELF or PE, read without loading it: its resources and
// whether it exports a name.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/resources/MappedFile.h"
#include "host/resources/ResourceSource.h"

namespace zvhost {

class ModuleFile {
 public:
  // Maps the file, so that only what is asked for is read: the headers, and the resources or
  // the exports. Throws FormatError when it cannot be read or is neither ELF nor PE ("not a
  // module: ...").
  explicit ModuleFile(const std::string &path);

  const std::string &Path() const { return path_; }
  // A PE file is a module for Windows, an ELF file one for Linux.
  bool IsForWindows() const { return kind_ == Kind::kPe; }
  // "ELF32", "ELF64", "PE32" or "PE32+".
  std::string Format() const;
  // An ELF file's .rsrc section read as a .res image, or a PE file's resource directory.
  std::unique_ptr<ResourceSource> Resources() const;
  // The names other code can bind to: an ELF file's .dynsym, a PE file's export directory.
  std::vector<std::string> Exports() const;

 private:
  enum class Kind { kElf, kPe };

  std::string path_;
  std::shared_ptr<const MappedFile> file_;
  Kind kind_;
};

}  // namespace zvhost
