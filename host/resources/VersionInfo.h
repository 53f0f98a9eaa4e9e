// The version resource: the fixed file information and the string tables of
// "StringFileInfo", with the translations of "VarFileInfo".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/resources/ResourceSource.h"

namespace zvhost {

struct VersionStringTable {
  std::string key;  // language and code page in hexadecimal: "040904E4"
  std::vector<std::pair<std::string, std::string>> values;  // in the stored order
};

struct VersionInfo {
  std::array<uint16_t, 4> fileVersion{};  // 14, 0, 0, 0
  std::array<uint16_t, 4> productVersion{};
  uint32_t fileFlagsMask = 0;
  uint32_t fileFlags = 0;
  uint32_t fileOS = 0;    // 4: VOS__WINDOWS32
  uint32_t fileType = 0;  // 2: VFT_DLL
  uint32_t fileSubtype = 0;
  std::vector<VersionStringTable> stringTables;
  std::vector<uint32_t> translations;  // language in the low word, code page in the high word

  // The value of `key` in the first string table that has it, or an empty text.
  std::string Value(const std::string &key) const;
};

// `context` opens error messages ("version 1"). Throws FormatError naming the place.
VersionInfo ParseVersionInfo(const Bytes &data, const std::string &context);

}  // namespace zvhost
