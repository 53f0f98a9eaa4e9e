#include "host/resources/ResourceList.h"

namespace zvhost {

std::optional<Bytes> ResourceList::Find(const ResourceType &type, uint16_t id) const {
  for (const ResourceEntry &entry : entries_) {
    if (entry.type == type && entry.name.empty() && entry.id == id) return entry.data;
  }
  return std::nullopt;
}

}  // namespace zvhost
