#include "host/resources/ModuleFile.h"

#include "host/resources/ElfFile.h"
#include "host/resources/PeFile.h"
#include "host/resources/ResourceList.h"

namespace zvhost {

ModuleFile::ModuleFile(const std::string &path)
    : path_(path), file_(std::make_shared<const MappedFile>(path)) {
  if (ElfFile::Recognises(file_->View())) {
    kind_ = Kind::kElf;
  } else if (PeFile::Recognises(file_->View())) {
    kind_ = Kind::kPe;
  } else {
    throw FormatError("not a module: " + path + " is neither an ELF nor a PE file");
  }
}

std::string ModuleFile::Format() const {
  return kind_ == Kind::kElf ? ElfFile(file_->View(), path_).Format()
                             : PeFile(file_->View(), path_).Format();
}

std::unique_ptr<ResourceSource> ModuleFile::Resources() const {
  if (kind_ == Kind::kElf) {
    std::optional<Bytes> section = ElfFile(file_->View(), path_).Section(".rsrc");
    if (!section) throw FormatError(path_ + ": no .rsrc section holds the module's resources");
    try {
      return ReadResImage(std::move(*section));
    } catch (const FormatError &error) {
      throw FormatError(path_ + ": section .rsrc: " + error.what());
    }
  }
  PeFile pe(file_->View(), path_);
  if (!pe.HasResources()) throw FormatError(path_ + ": the file has no resource directory");
  return std::make_unique<ResourceList>(pe.Resources());
}

std::vector<std::string> ModuleFile::Exports() const {
  return kind_ == Kind::kElf ? ElfFile(file_->View(), path_).DynamicExports()
                             : PeFile(file_->View(), path_).ExportedNames();
}

std::unique_ptr<ResourceSource> ReadModuleResources(const std::string &path) {
  return ModuleFile(path).Resources();
}

}  // namespace zvhost
