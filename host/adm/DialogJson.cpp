#include "host/adm/DialogJson.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "host/adm/ControlFinder.h"

namespace zvhost {

std::vector<const Item *> ItemsById(const Dialog &dialog) {
  std::vector<const Item *> items;
  for (const auto &item : dialog.items) items.push_back(item.get());
  std::stable_sort(items.begin(), items.end(),
                   [](const Item *a, const Item *b) { return a->id < b->id; });
  return items;
}

Json NumberJson(double value) {
  if (!std::isfinite(value)) return nullptr;
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    return static_cast<int64_t>(value);
  }
  return std::strtod(FormatNumber(value).c_str(), nullptr);
}

Json ModalJson(const Dialog &dialog) {
  Json items = Json::array();
  for (const Item *item : ItemsById(dialog)) {
    Json entry = {{"id", item->id}};
    if (!item->text.empty()) entry["text"] = item->text;
    if (item->pictureID) entry["picture"] = *item->pictureID;
    items.push_back(std::move(entry));
  }
  return {{"kind", "modal"},
          {"name", dialog.name},
          {"resource", dialog.resourceID},
          {"title", dialog.title},
          {"items", std::move(items)}};
}

namespace {

Json ControlJson(const Dialog &dialog, const Item &item) {
  Json control = {{"id", item.id}, {"label", LabelOf(dialog, item)}, {"enabled", item.enabled}};
  switch (item.kind) {
    case ItemKind::kPopupList: {
      const Entry *chosen = item.list->chosen;
      control["entry"] = chosen != nullptr ? Json(item.list->IndexOf(chosen)) : Json(nullptr);
      control["text"] = chosen != nullptr ? Json(chosen->text) : Json(nullptr);
      break;
    }
    case ItemKind::kSpinEditPopup:
      control["value"] = NumberJson(item.value);
      break;
    default:
      control["checked"] = item.value != 0;
      break;
  }
  return control;
}

bool IsControl(const Item &item) {
  return item.kind == ItemKind::kPopupList || item.kind == ItemKind::kSpinEditPopup ||
         item.kind == ItemKind::kCheckBox;
}

}  // namespace

Json PanelJson(const Dialog *panel) {
  if (panel == nullptr) return {{"kind", "panel"}, {"exists", false}};
  Json items = Json::array();
  for (const Item *item : ItemsById(*panel)) {
    if (IsControl(*item)) items.push_back(ControlJson(*panel, *item));
  }
  return {{"kind", "panel"}, {"exists", true}, {"visible", panel->visible}, {"items", items}};
}

}  // namespace zvhost
