// The Windows build's programs as files: Zarvel.aip is a 32-bit x86 DLL that exports
// PluginMain alone under its plain name, needs no DLL but the system's own and carries the
// compiled resources unchanged; zarvel-host.exe needs no DLL but the system's own either.
// The headers, the export and the import tables are read here on their own, apart from the
// host's PE reader; the resources are compared through the host's resource readers.
//
// ZARVEL_WIN32_MODULE and ZARVEL_WIN32_HOST name the files for a Linux build (the test
// script sets them); a Windows build checks its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <tuple>

#include "ResourceFixtures.h"
#include "host/resources/ModuleFile.h"
#include "host/resources/PropertyList.h"

namespace {

using zvhost::Bytes;

constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kOptionalMagicPe32 = 0x10B;
constexpr uint16_t kCharacteristicExecutable = 0x0002;
constexpr uint16_t kCharacteristic32BitMachine = 0x0100;
constexpr uint16_t kCharacteristicDll = 0x2000;

// The few parts of a PE32 image these tests look at, found through the headers alone.
class PeImage {
 public:
  explicit PeImage(const std::string &path) : bytes_(zvtest::ReadBytes(path)) {
    if (U16(0) != 0x5A4D) throw std::runtime_error(path + ": no MZ header");
    const size_t pe = U32(0x3C);
    if (U32(pe) != 0x00004550) throw std::runtime_error(path + ": no PE signature");
    machine = U16(pe + 4);
    const uint16_t sectionCount = U16(pe + 6);
    const uint16_t optionalSize = U16(pe + 20);
    characteristics = U16(pe + 22);
    const size_t optional = pe + 24;
    magic = U16(optional);
    if (magic != kOptionalMagicPe32) return;
    const uint32_t directoryCount = U32(optional + 92);
    for (uint32_t index = 0; index < std::min<uint32_t>(directoryCount, 16); ++index) {
      directories_[index] = {U32(optional + 96 + 8 * index), U32(optional + 100 + 8 * index)};
    }
    for (size_t header = optional + optionalSize, end = header + 40 * size_t{sectionCount};
         header < end; header += 40) {
      sections_.push_back({U32(header + 12), U32(header + 8), U32(header + 20), U32(header + 16)});
    }
  }

  uint16_t machine = 0;
  uint16_t characteristics = 0;
  uint16_t magic = 0;

  bool HasDirectory(int index) const { return directories_[index].rva != 0; }

  // The export directory: how many procedures it holds, and their names.
  uint32_t ExportedProcedureCount() const { return U32(FileOffset(ExportRva()) + 20); }
  std::vector<std::string> ExportedNames() const {
    const size_t directory = FileOffset(ExportRva());
    const uint32_t count = U32(directory + 24);
    const size_t names = FileOffset(U32(directory + 32));
    std::vector<std::string> result;
    for (uint32_t index = 0; index < count; ++index) {
      result.push_back(Text(FileOffset(U32(names + 4 * index))));
    }
    return result;
  }

  // The DLLs the import directory names, one descriptor of 20 bytes each, up to the empty one.
  std::vector<std::string> ImportedLibraries() const {
    std::vector<std::string> result;
    for (size_t descriptor = FileOffset(directories_[kImports].rva);; descriptor += 20) {
      const uint32_t nameRva = U32(descriptor + 12);
      if (nameRva == 0) break;
      result.push_back(Text(FileOffset(nameRva)));
    }
    return result;
  }

  static constexpr int kExports = 0, kImports = 1, kResources = 2;

 private:
  struct Directory {
    uint32_t rva = 0;
    uint32_t size = 0;
  };
  struct Section {
    uint32_t rva = 0;
    uint32_t virtualSize = 0;
    uint32_t rawOffset = 0;
    uint32_t rawSize = 0;
  };

  uint32_t ExportRva() const {
    if (!HasDirectory(kExports)) throw std::runtime_error("no export directory");
    return directories_[kExports].rva;
  }
  size_t FileOffset(uint32_t rva) const {
    for (const Section &section : sections_) {
      if (rva >= section.rva && rva - section.rva < std::max(section.virtualSize, section.rawSize))
        return section.rawOffset + (rva - section.rva);
    }
    throw std::runtime_error("address " + std::to_string(rva) + " lies in no section");
  }
  uint32_t Byte(size_t offset) const {
    if (offset >= bytes_.size()) throw std::runtime_error("read past the end of the file");
    return bytes_[offset];
  }
  uint16_t U16(size_t offset) const {
    return static_cast<uint16_t>(Byte(offset) | Byte(offset + 1) << 8);
  }
  uint32_t U32(size_t offset) const { return U16(offset) | uint32_t{U16(offset + 2)} << 16; }
  std::string Text(size_t offset) const {
    std::string text;
    while (uint32_t c = Byte(offset++)) text += static_cast<char>(c);
    return text;
  }

  Bytes bytes_;
  Directory directories_[16];
  std::vector<Section> sections_;
};

// The file a variable names; a Windows build falls back on its own, a Linux build has none.
std::string BuiltFile(const char *variable, [[maybe_unused]] const char *own) {
  const char *value = std::getenv(variable);
  if (value != nullptr && *value != '\0') return value;
#ifdef _WIN32
  return own;
#else
  return {};
#endif
}

std::string ModulePath() {
  return BuiltFile("ZARVEL_WIN32_MODULE", ZARVEL_MODULE_FILE);
}
std::string HostPath() {
  return BuiltFile("ZARVEL_WIN32_HOST", ZARVEL_HOST_EXE);
}

// Skips the test when no file is named; fails it when the named file is missing.
#define REQUIRE_FILE(path, variable)                                                     \
  do {                                                                                   \
    if ((path).empty()) {                                                                \
      GTEST_SKIP() << (variable) << " is not set: no Windows build to check";            \
    }                                                                                    \
    ASSERT_TRUE(std::filesystem::exists(path)) << (variable) << " names a missing file"; \
  } while (false)

std::string Lower(std::string text) {
  for (char &c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

TEST(WindowsModule, IsA32BitX86Dll) {
  const std::string path = ModulePath();
  REQUIRE_FILE(path, "ZARVEL_WIN32_MODULE");
  const PeImage image(path);
  EXPECT_EQ(image.machine, kMachineI386);
  EXPECT_EQ(image.magic, kOptionalMagicPe32);
  EXPECT_TRUE(image.characteristics & kCharacteristicDll);
  EXPECT_TRUE(image.characteristics & kCharacteristicExecutable);
  EXPECT_TRUE(image.characteristics & kCharacteristic32BitMachine);
  EXPECT_TRUE(image.HasDirectory(PeImage::kResources));
}

TEST(WindowsModule, ExportsOnlyTheEntryPointThatItsPropertyListNames) {
  const std::string path = ModulePath();
  REQUIRE_FILE(path, "ZARVEL_WIN32_MODULE");
  const PeImage image(path);
  EXPECT_EQ(image.ExportedProcedureCount(), 1u);
  EXPECT_EQ(image.ExportedNames(), std::vector<std::string>{"PluginMain"});

  const auto resources = zvhost::ModuleFile(path).Resources();
  const std::optional<Bytes> pipl = resources->Find(zvhost::ResourceType::Named("PIPL"), 16000);
  ASSERT_TRUE(pipl);
  EXPECT_EQ(zvhost::ParsePropertyList(*pipl).entryPoint, "PluginMain");
}

TEST(WindowsModule, ModuleAndHostNeedOnlySystemLibraries) {
  const std::vector<std::string> system = {"kernel32.dll", "msvcrt.dll", "user32.dll"};
  for (const auto &[variable, path] :
       {std::pair<const char *, std::string>{"ZARVEL_WIN32_MODULE", ModulePath()},
        {"ZARVEL_WIN32_HOST", HostPath()}}) {
    SCOPED_TRACE(path);
    REQUIRE_FILE(path, variable);
    const std::vector<std::string> imported = PeImage(path).ImportedLibraries();
    EXPECT_FALSE(imported.empty());
    for (const std::string &library : imported) {
      EXPECT_NE(std::find(system.begin(), system.end(), Lower(library)), system.end())
          << library << " is not a system DLL";
    }
  }
}

TEST(WindowsModule, CarriesEveryCompiledResourceByteForByte) {
  const std::string path = ModulePath();
  REQUIRE_FILE(path, "ZARVEL_WIN32_MODULE");
  using Key = std::tuple<std::string, uint16_t, uint16_t>;  // type, id, language
  auto byKey = [](const zvhost::ResourceSource &source) {
    std::map<Key, Bytes> resources;
    for (zvhost::ResourceEntry &entry : source.List()) {
      const Key key{Lower(entry.type.ToString()), entry.id, entry.language};
      EXPECT_TRUE(resources.emplace(key, std::move(entry.data)).second)
          << std::get<0>(key) << " " << std::get<1>(key) << " appears twice";
    }
    return resources;
  };
  const auto compiled = byKey(*zvhost::ReadResImage(zvtest::ReadBytes(ZARVEL_RES_FILE)));
  const auto carried = byKey(*zvhost::ModuleFile(path).Resources());
  ASSERT_FALSE(compiled.empty());
  for (const auto &[key, data] : compiled) {
    auto found = carried.find(key);
    ASSERT_NE(found, carried.end()) << "missing " << std::get<0>(key) << " " << std::get<1>(key);
    EXPECT_EQ(found->second, data) << std::get<0>(key) << " " << std::get<1>(key) << " differs";
  }
  EXPECT_EQ(carried.size(), compiled.size()) << "the module carries resources the script lacks";
}

}  // namespace
