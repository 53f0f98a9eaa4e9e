// Writes the fuzz targets' seed corpora from the project's real files:
//   fuzz-seed-corpus RES_FILE MODULE_FILE OUT_FOLDER
// the .res image whole (res-image), each of its resources to the reader of its type, and the
// module file (elf). The documents, preferences and scripts are copied by scripts/fuzz.sh.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>

#include "host/resources/ResourceSource.h"

namespace {

zvhost::Bytes ReadFile(const std::filesystem::path &path) {
  std::ifstream in(path, std::ios::binary);
  return zvhost::Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Write(const std::filesystem::path &folder, const std::string &name,
           const zvhost::Bytes &bytes) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary)
      .write(reinterpret_cast<const char *>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// The reader of each resource type the module holds.
std::string ReaderOf(const zvhost::ResourceType &type) {
  static const std::map<std::string, std::string> readers = {
      {"DIALOG", "dialog"},      {"MENU", "menu"},       {"STRING", "string-table"},
      {"PIPL", "property-list"}, {"VERSION", "version"}, {"PNGI", "png"}};
  auto found = readers.find(type.ToString());
  return found == readers.end() ? "" : found->second;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::cerr << "usage: fuzz-seed-corpus RES_FILE MODULE_FILE OUT_FOLDER\n";
    return 2;
  }
  const std::filesystem::path out = argv[3];
  const zvhost::Bytes image = ReadFile(argv[1]);
  Write(out / "res-image", "module.res", image);
  Write(out / "elf", "module.aip", ReadFile(argv[2]));
  int count = 0;
  for (const zvhost::ResourceEntry &entry : zvhost::ReadResImage(image)->List()) {
    const std::string reader = ReaderOf(entry.type);
    if (reader.empty()) continue;
    Write(out / reader, entry.type.ToString() + "-" + std::to_string(entry.id), entry.data);
    ++count;
  }
  std::cout << count << " resources written as seeds\n";
  return 0;
}
