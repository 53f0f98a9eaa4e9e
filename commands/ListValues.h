// How a panel list's entry indices map to the engine values that the commands write.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

struct ListValues {
  // Entry i writes entries[i]; an entry without a value writes nothing.
  std::span<const std::optional<int32_t>> entries;
  // What an index outside the list writes (nothing when empty).
  std::optional<int32_t> otherwise;

  std::optional<int32_t> At(int32_t index) const {
    if (index >= 0 && static_cast<uint32_t>(index) < entries.size()) return entries[index];
    return otherwise;
  }
};
