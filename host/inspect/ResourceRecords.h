// The facts `zarvel-host inspect` reports, one record per resource, as JSON objects with a
// "kind" field; the same records are printed as JSON lines or rendered for people to read.
#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "host/resources/PropertyList.h"
#include "host/resources/ResourceSource.h"

namespace zvhost {

using InspectRecord = nlohmann::ordered_json;

// "DIALOG 102", "PNGI 1685", "#24 MANIFEST".
std::string ResourceLabel(const ResourceEntry &entry);

// {"kind":"pipl",...}: the decoded property list.
InspectRecord PropertyListRecord(const PropertyList &list);

// One record per resource other than the property list, grouped by kind in the order
// dialogs, menus, strings (one record for the whole list), pictures, version, others. A
// resource that cannot be read gives {"kind":"error","resource":...,"reason":...} in its place.
std::vector<InspectRecord> ResourceRecords(const ResourceSource &resources);

}  // namespace zvhost
