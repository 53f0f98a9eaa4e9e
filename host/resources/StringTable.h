// String tables: string resource N sits in block (N >> 4) + 1, which holds 16 strings, each a
// 16-bit count of UTF-16 units and those units (no terminator; count 0 for no string).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "host/resources/ResourceSource.h"

namespace zvhost {

using StringBlock = std::array<std::string, 16>;

struct StringResource {
  uint16_t id = 0;
  std::string text;
};

// `context` opens error messages ("string block 1004"). Throws FormatError.
StringBlock ParseStringBlock(const Bytes &data, const std::string &context);

// String resource `id` as UTF-8: an empty text when the module has no such string, as the
// system's own string loader reports it. Throws FormatError when its block is damaged.
std::string FindString(const ResourceSource &resources, uint16_t id);

// Every non-empty string of the module, by id.
std::vector<StringResource> ListStrings(const ResourceSource &resources);

}  // namespace zvhost
