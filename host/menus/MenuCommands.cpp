// The script's view of the menus: `menu "GROUP/TEXT[/TEXT...]"` and `dump menus`.
#include "PluginMessages.h"
#include "host/core/HostServices.h"
#include "host/core/UsageError.h"
#include "host/loader/PluginConnection.h"
#include "host/menus/MenuBar.h"
#include "host/menus/PlatformText.h"

namespace zvhost {

namespace {

std::vector<std::string> SplitPath(const std::string &path) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t slash; (slash = path.find('/', start)) != std::string::npos; start = slash + 1) {
    parts.push_back(path.substr(start, slash - start));
  }
  parts.push_back(path.substr(start));
  return parts;
}

std::string Joined(const std::vector<std::string> &parts, size_t count) {
  std::string joined;
  for (size_t i = 0; i < count; ++i) joined += (i == 0 ? "" : "/") + parts[i];
  return joined;
}

}  // namespace

void MenuBar::RegisterCommands(CommandTable &commands) {
  commands.Add({{"menu"},
                "menu \"GROUP/TEXT[/TEXT...]\"",
                "chooses a menu item by its host group and item texts, e.g. "
                "\"Window Utilities/Zarvel/Zarvel\"",
                [this](const std::vector<std::string> &args) {
                  if (args.size() != 1) throw UsageError("usage: menu \"GROUP/TEXT[/TEXT...]\"");
                  Choose(args[0]);
                }});
  commands.Add({{"dump", "menus"},
                "dump menus",
                "every menu group in the host's order with its items",
                [this](const std::vector<std::string> &args) {
                  if (!args.empty()) throw UsageError("usage: dump menus");
                  HostServices::The().output.Emit(Dump());
                }});
}

std::string MenuBar::ItemTexts(const Group &group) const {
  std::string texts;
  for (size_t item : ItemsInOrder(group)) texts += (texts.empty() ? "" : ", ") + items_[item].text;
  return texts.empty() ? "it has none" : "its items: " + texts;
}

Json MenuBar::Dump() const {
  Json groups = Json::array();
  for (const Group &group : groups_) {
    Json items = Json::array();
    for (size_t index : ItemsInOrder(group)) {
      const Item &item = items_[index];
      items.push_back({{"name", item.name ? Json(PlatformToUtf8(*item.name)) : Json(nullptr)},
                       {"text", item.text},
                       {"submenu", item.submenu ? Json(PlatformToUtf8(groups_[*item.submenu].name))
                                                : Json(nullptr)}});
    }
    groups.push_back({{"name", PlatformToUtf8(group.name)}, {"items", std::move(items)}});
  }
  return {{"kind", "menus"}, {"groups", std::move(groups)}};
}

void MenuBar::Choose(const std::string &path) {
  auto refuse = [&](const std::string &why) {
    HostServices::The().Refuse("menu '" + path + "': " + why);
  };
  PluginConnection *connection = PluginConnection::Current();
  if (connection == nullptr || !connection->Loaded()) return refuse("the module is unloaded");

  std::vector<std::string> parts = SplitPath(path);
  const Group *group = nullptr;
  for (const Group &candidate : groups_) {
    if (candidate.hostOwn && PlatformToUtf8(candidate.name) == parts[0]) group = &candidate;
  }
  if (group == nullptr) {
    std::string names;
    for (const Group &candidate : groups_) {
      if (candidate.hostOwn) names += (names.empty() ? "" : ", ") + PlatformToUtf8(candidate.name);
    }
    return refuse("the host has no menu group '" + parts[0] + "' (its groups: " + names + ")");
  }

  for (size_t depth = 1;; ++depth) {
    if (depth == parts.size()) {
      return refuse("'" + Joined(parts, depth) + "' is a menu, not an item (" + ItemTexts(*group) +
                    ")");
    }
    const Item *chosen = nullptr;
    size_t chosenIndex = 0;
    for (size_t index : ItemsInOrder(*group)) {
      if (items_[index].text == parts[depth]) {
        chosen = &items_[index];
        chosenIndex = index;
        break;
      }
    }
    if (chosen == nullptr) {
      return refuse("'" + Joined(parts, depth) + "' has no item '" + parts[depth] + "' (" +
                    ItemTexts(*group) + ")");
    }
    if (!chosen->enabled) return refuse("'" + Joined(parts, depth + 1) + "' is disabled");
    if (chosen->submenu) {
      group = &groups_[*chosen->submenu];
      continue;
    }
    if (depth + 1 != parts.size()) {
      return refuse("'" + Joined(parts, depth + 1) + "' opens no submenu");
    }
    connection->SendMenu(kSelectorAIGoMenuItem, items_[chosenIndex].handle);
    return;
  }
}

}  // namespace zvhost
