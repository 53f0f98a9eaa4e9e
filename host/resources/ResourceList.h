// A ResourceSource over resources already read into memory: what the .res reader and the PE
// resource directory reader both produce.
#pragma once

#include <vector>

#include "host/resources/ResourceSource.h"

namespace zvhost {

class ResourceList : public ResourceSource {
 public:
  explicit ResourceList(std::vector<ResourceEntry> entries) : entries_(std::move(entries)) {}

  // The first resource of that type and numeric id, whatever its language.
  std::optional<Bytes> Find(const ResourceType &type, uint16_t id) const override;
  std::vector<ResourceEntry> List() const override { return entries_; }

 private:
  std::vector<ResourceEntry> entries_;
};

}  // namespace zvhost
