// How a panel list's entry indices map to the engine values that the commands write, and
// back: the entry that shows a value is read from the same list, so the two cannot differ.
#pragma once

#include <cstddef>
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

  // The first entry that writes `value`, or none when no entry does.
  std::optional<int32_t> EntryOf(int32_t value) const {
    for (size_t index = 0; index < entries.size(); ++index) {
      if (entries[index] == value) return static_cast<int32_t>(index);
    }
    return std::nullopt;
  }
};
