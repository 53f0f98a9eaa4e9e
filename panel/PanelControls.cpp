#include "panel/PanelControls.h"

#include <algorithm>

namespace panel {

std::optional<int32_t> EntryForValue(std::span<const ValueEntry> entries, int32_t value) {
  auto found = std::ranges::find(entries, value, &ValueEntry::value);
  if (found == entries.end()) return std::nullopt;
  return found->entry;
}

const ComposerChoice *ComposerChoiceForEntry(int32_t entry) {
  auto found = std::ranges::find(kComposerChoices, entry, &ComposerChoice::entry);
  return found == std::end(kComposerChoices) ? nullptr : &*found;
}

int32_t ComposerEntryFor(ComposerEngine engine, bool everyLine) {
  auto found = std::ranges::find_if(kComposerChoices, [&](const ComposerChoice &choice) {
    return choice.engine == engine && choice.everyLine == everyLine;
  });
  return found == std::end(kComposerChoices) ? kUnknownComposerEntry : found->entry;
}

}  // namespace panel
