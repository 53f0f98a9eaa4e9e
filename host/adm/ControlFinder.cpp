#include "host/adm/ControlFinder.h"

#include <charconv>
#include <optional>

namespace zvhost {

namespace {

std::optional<int32_t> WholeNumber(const std::string &text) {
  int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

bool IsDecoration(ItemKind kind) {
  return kind == ItemKind::kStaticText || kind == ItemKind::kFrame || kind == ItemKind::kPicture;
}

// The first candidate whose name equals `name` exactly, else the first equal but for case.
template <class Candidates, class NameOf>
auto FindByName(const Candidates &candidates, const std::string &name, NameOf nameOf)
    -> decltype(candidates.front().get()) {
  if (name.empty()) return nullptr;
  for (const auto &candidate : candidates) {
    if (nameOf(*candidate) == name) return candidate.get();
  }
  for (const auto &candidate : candidates) {
    if (SameIgnoringCase(nameOf(*candidate), name)) return candidate.get();
  }
  return nullptr;
}

}  // namespace

std::string LabelOf(const Dialog &dialog, const Item &item) {
  if (!item.label.empty()) return item.label;
  const Item *before = nullptr;
  for (const auto &candidate : dialog.items) {
    if (candidate.get() == &item) break;
    before = candidate.get();
  }
  return before != nullptr && before->kind == ItemKind::kStaticText ? before->label : "";
}

std::string Describe(const Dialog &dialog, const Item &item) {
  if (item.kind == ItemKind::kPanelMenu) return "the panel menu";
  std::string label = LabelOf(dialog, item);
  std::string id = "item " + std::to_string(item.id);
  return label.empty() ? id : label + " (" + id + ")";
}

Item *FindControl(const Dialog &dialog, const std::string &name) {
  if (std::optional<int32_t> id = WholeNumber(name)) return dialog.FindItem(*id);
  return FindByName(dialog.items, name, [&](const Item &item) {
    return IsDecoration(item.kind) ? std::string() : LabelOf(dialog, item);
  });
}

Entry *FindEntry(const List &list, const std::string &name) {
  if (Entry *entry = FindByName(list.entries, name, [](const Entry &e) { return e.text; })) {
    return entry;
  }
  std::optional<int32_t> index = WholeNumber(name);
  if (!index || *index < 0 || static_cast<size_t>(*index) >= list.entries.size()) return nullptr;
  return list.entries[static_cast<size_t>(*index)].get();
}

}  // namespace zvhost
