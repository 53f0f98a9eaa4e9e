#include "Readers.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "host/core/CommandTable.h"
#include "host/core/HostServices.h"
#include "host/core/UsageError.h"
#include "host/engine/DocumentFile.h"
#include "host/inspect/ResourceRecords.h"
#include "host/prefs/Preferences.h"
#include "host/resources/DialogTemplate.h"
#include "host/resources/ElfFile.h"
#include "host/resources/MenuTemplate.h"
#include "host/resources/PeFile.h"
#include "host/resources/PngInfo.h"
#include "host/resources/PropertyList.h"
#include "host/resources/StringTable.h"
#include "host/resources/VersionInfo.h"

namespace zvfuzz {

namespace {

using zvhost::Bytes;
using zvhost::FormatError;

Bytes BytesOf(const uint8_t *data, size_t size) {
  return Bytes(data, data + size);
}

std::string TextOf(const uint8_t *data, size_t size) {
  return size == 0 ? std::string() : std::string(reinterpret_cast<const char *>(data), size);
}

// Runs `read`; the reader's own error for bad input (`Refusal`) is the sound end.
template <typename Refusal, typename Read>
void Refused(Read read) {
  try {
    read();
  } catch (const Refusal &) {
  }
}

void ResImage(const uint8_t *data, size_t size) {
  Refused<FormatError>([&] {
    std::unique_ptr<zvhost::ResourceSource> resources = zvhost::ReadResImage(BytesOf(data, size));
    zvhost::ResourceRecords(*resources);
  });
}

void Dialog(const uint8_t *data, size_t size) {
  Refused<FormatError>([&] { zvhost::ParseDialogTemplate(BytesOf(data, size), "fuzz"); });
}

void Menu(const uint8_t *data, size_t size) {
  Refused<FormatError>([&] { zvhost::ParseMenuTemplate(BytesOf(data, size), "fuzz"); });
}

void StringTable(const uint8_t *data, size_t size) {
  Refused<FormatError>([&] { zvhost::ParseStringBlock(BytesOf(data, size), "fuzz"); });
}

void PropertyList(const uint8_t *data, size_t size) {
  Refused<FormatError>([&] { zvhost::ParsePropertyList(BytesOf(data, size)); });
}

void Version(const uint8_t *data, size_t size) {
  Refused<FormatError>([&] { zvhost::ParseVersionInfo(BytesOf(data, size), "fuzz"); });
}

void Png(const uint8_t *data, size_t size) {
  Refused<FormatError>([&] { zvhost::ParsePng(BytesOf(data, size), "fuzz"); });
}

void Elf(const uint8_t *data, size_t size) {
  const Bytes file = BytesOf(data, size);
  if (!zvhost::ElfFile::Recognises(file)) return;
  Refused<FormatError>([&] {
    const zvhost::ElfFile elf(file, "fuzz");
    elf.Section(".rsrc");
    elf.DynamicExports();
  });
}

void Pe(const uint8_t *data, size_t size) {
  const Bytes file = BytesOf(data, size);
  if (!zvhost::PeFile::Recognises(file)) return;
  Refused<FormatError>([&] {
    const zvhost::PeFile pe(file, "fuzz");
    pe.Resources();
    pe.ExportedNames();
  });
}

void Document(const uint8_t *data, size_t size) {
  Refused<zvhost::engine::DocumentFileError>(
      [&] { zvhost::engine::ReadDocument(TextOf(data, size)); });
}

// The preferences reader reads a file, so each input is written to one first.
void PreferencesFile(const uint8_t *data, size_t size) {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() /
      ("zarvel-fuzz-prefs-" +
       std::to_string(std::hash<std::string>()(std::filesystem::current_path().string())) +
       ".json");
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
  std::ostringstream discarded;
  zvhost::HostServices services(discarded, true, false);
  zvhost::Preferences preferences;
  Refused<zvhost::UsageError>([&] { preferences.Load(path.string()); });
}

void ScriptLine(const uint8_t *data, size_t size) {
  Refused<zvhost::UsageError>([&] { zvhost::SplitScriptLine(TextOf(data, size)); });
}

}  // namespace

const std::vector<Reader> &Readers() {
  static const std::vector<Reader> readers = {
      {"res-image", ResImage},
      {"dialog", Dialog},
      {"menu", Menu},
      {"string-table", StringTable},
      {"property-list", PropertyList},
      {"version", Version},
      {"png", Png},
      {"elf", Elf},
      {"pe", Pe},
      {"document", Document},
      {"preferences", PreferencesFile},
      {"script-line", ScriptLine},
  };
  return readers;
}

const Reader *ReaderNamed(const std::string &name) {
  for (const Reader &reader : Readers()) {
    if (reader.name == name) return &reader;
  }
  return nullptr;
}

}  // namespace zvfuzz
