// The property list ("PIPL" 16000) by which a host recognises a plug-in module.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/resources/ResourceSource.h"

namespace zvhost {

struct PropertyListEntry {
  uint32_t vendor = 0;  // four-character code, 'ADBE'
  uint32_t key = 0;     // four-character code: 'kind', 'ivrs', 'wx86', 'pinm', ...
  uint32_t id = 0;
  Bytes data;  // padded to the stored length
};

struct PropertyList {
  std::vector<PropertyListEntry> properties;
  uint32_t kind = 0;             // 'SPEA' for a plug-in of this host
  int32_t interfaceVersion = 0;  // 'ivrs'
  std::string entryPoint;        // 'wx86': the exported entry point's name
  std::string name;              // 'pinm'
};

// Decodes and checks a property list; throws FormatError naming the offset of what is wrong
// (bad marker or version, a property that runs past the end, bad padding, trailing bytes,
// no 'wx86' entry point name).
PropertyList ParsePropertyList(const Bytes &data);

}  // namespace zvhost
