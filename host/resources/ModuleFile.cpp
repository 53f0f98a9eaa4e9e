#include "host/resources/ModuleFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "host/core/FilePath.h"
#include "host/resources/ElfFile.h"
#include "host/resources/PeFile.h"
#include "host/resources/ResourceList.h"

namespace zvhost {

namespace {

Bytes ReadFile(const std::string &path) {
  const std::filesystem::path file = FilePath(path);
  // Some systems open a folder as a file of no definite length.
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) {
    throw FormatError("cannot open " + path + ": it is a folder");
  }
  std::ifstream in(file, std::ios::binary | std::ios::ate);
  if (!in) throw FormatError("cannot open " + path + ": " + std::strerror(errno));
  const std::streamoff size = in.tellg();
  if (size < 0) throw FormatError("cannot read " + path);
  Bytes bytes(static_cast<size_t>(size));
  in.seekg(0);
  if (!in.read(reinterpret_cast<char *>(bytes.data()), size)) {
    throw FormatError("cannot read " + path + ": " + std::strerror(errno));
  }
  return bytes;
}

}  // namespace

ModuleFile::ModuleFile(const std::string &path) : path_(path), bytes_(ReadFile(path)) {
  if (ElfFile::Recognises(bytes_)) {
    kind_ = Kind::kElf;
  } else if (PeFile::Recognises(bytes_)) {
    kind_ = Kind::kPe;
  } else {
    throw FormatError("not a module: " + path + " is neither an ELF nor a PE file");
  }
}

std::string ModuleFile::Format() const {
  return kind_ == Kind::kElf ? ElfFile(bytes_, path_).Format() : PeFile(bytes_, path_).Format();
}

std::unique_ptr<ResourceSource> ModuleFile::Resources() const {
  if (kind_ == Kind::kElf) {
    std::optional<Bytes> section = ElfFile(bytes_, path_).Section(".rsrc");
    if (!section) throw FormatError(path_ + ": no .rsrc section holds the module's resources");
    try {
      return ReadResImage(std::move(*section));
    } catch (const FormatError &error) {
      throw FormatError(path_ + ": section .rsrc: " + error.what());
    }
  }
  PeFile pe(bytes_, path_);
  if (!pe.HasResources()) throw FormatError(path_ + ": the file has no resource directory");
  return std::make_unique<ResourceList>(pe.Resources());
}

std::vector<std::string> ModuleFile::Exports() const {
  return kind_ == Kind::kElf ? ElfFile(bytes_, path_).DynamicExports()
                             : PeFile(bytes_, path_).ExportedNames();
}

std::unique_ptr<ResourceSource> ReadModuleResources(const std::string &path) {
  return ModuleFile(path).Resources();
}

}  // namespace zvhost
