#include "host/menus/MenuBar.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "host/core/Failpoint.h"
#include "host/loader/PluginConnection.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kAIMenuSuite;

// The host's own groups, in its order. None has the empty name: the module makes that one.
constexpr const char *kHostGroups[] = {
    "File", "Edit", "Object", "Type", "Select", "Window", kWindowUtilsMenuGroup, kAboutMenuGroup};

HostErr ZV_API AddMenuItem(HostPluginRef plugin, const char *itemName,
                           AIPlatformAddMenuItemDataUS *data, int32_t options,
                           AIMenuItemHandle *menuItem) {
  if (HostErr err = Failpoint(kSuite, "AddMenuItem")) return err;
  // Item options only ask for update messages and the like; this host sends none.
  (void)options;
  return MenuBar::The().AddItem(plugin, itemName, data, menuItem);
}

HostErr ZV_API AddMenuGroupAsSubMenu(const char *groupName, int32_t options,
                                     AIMenuItemHandle menuItem, AIMenuGroup *group) {
  if (HostErr err = Failpoint(kSuite, "AddMenuGroupAsSubMenu")) return err;
  return MenuBar::The().AddSubmenuGroup(groupName, options, menuItem, group);
}

HostErr ZV_API CountMenuGroups(int32_t *count) {
  if (HostErr err = Failpoint(kSuite, "CountMenuGroups")) return err;
  return MenuBar::The().CountGroups(count);
}

HostErr ZV_API GetNthMenuGroup(int32_t index, AIMenuGroup *group) {
  if (HostErr err = Failpoint(kSuite, "GetNthMenuGroup")) return err;
  return MenuBar::The().GroupAt(index, group);
}

HostErr ZV_API GetMenuGroupName(AIMenuGroup group, const char **name) {
  if (HostErr err = Failpoint(kSuite, "GetMenuGroupName")) return err;
  return MenuBar::The().GroupName(group, name);
}

HostErr ZV_API EnableItem(AIMenuItemHandle menuItem) {
  if (HostErr err = Failpoint(kSuite, "EnableItem")) return err;
  return MenuBar::The().SetEnabled(menuItem, true, "EnableItem");
}

HostErr ZV_API DisableItem(AIMenuItemHandle menuItem) {
  if (HostErr err = Failpoint(kSuite, "DisableItem")) return err;
  return MenuBar::The().SetEnabled(menuItem, false, "DisableItem");
}

HostErr ZV_API CheckItem(AIMenuItemHandle menuItem, HostBool checkIt) {
  if (HostErr err = Failpoint(kSuite, "CheckItem")) return err;
  (void)checkIt;
  return MenuBar::The().CheckExists(menuItem, "CheckItem");
}

#define MENU_OPERATIONS(X) \
  X(AddMenuItem)           \
  X(AddMenuGroupAsSubMenu) \
  X(CountMenuGroups)       \
  X(GetNthMenuGroup) X(GetMenuGroupName) X(EnableItem) X(DisableItem) X(CheckItem)

const AIMenuSuite9 kTable = {MENU_OPERATIONS(ZV_TABLE_ENTRY)};

constexpr HandleKind kItemKind{"menu item"};
constexpr HandleKind kGroupKind{"menu group"};

bool LessIgnoringCase(const std::string &a, const std::string &b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

MenuBar::MenuBar() : handles_(HostServices::The().handles) {
  for (const char *name : kHostGroups) Append(Group{name, true, false, {}});
  HostServices::The().suites.Offer(kAIMenuSuite, kAIMenuSuiteVersion9, &kTable,
                                   {MENU_OPERATIONS(ZV_OPERATION_NAME)});
}

MenuBar::~MenuBar() = default;

bool MenuBar::Append(Group group) {
  group.handle = handles_.Add<AIMenuGroup>(kGroupKind, groups_.size());
  if (group.handle == nullptr) return false;
  groups_.push_back(std::move(group));
  return true;
}

bool MenuBar::Append(Item item) {
  item.handle = handles_.Add<AIMenuItemHandle>(kItemKind, items_.size());
  if (item.handle == nullptr) return false;
  items_.push_back(std::move(item));
  return true;
}

std::optional<size_t> MenuBar::Find(const void *handle, const HandleKind &kind,
                                    const char *operation) {
  if (handle == nullptr) return std::nullopt;
  uint64_t index = 0;
  const HandleState state = handles_.Find(handle, kind, &index);
  if (state == HandleState::kLive) return static_cast<size_t>(index);
  HostServices::The().findings.Report(std::string(kSuite) + "/" + operation,
                                      HandleMisuse(state, kind));
  return std::nullopt;
}

MenuBar::Group *MenuBar::FindGroup(AIMenuGroup group, const char *operation) {
  std::optional<size_t> index = Find(group, kGroupKind, operation);
  return index ? &groups_[*index] : nullptr;
}

MenuBar::Item *MenuBar::FindItem(AIMenuItemHandle item, const char *operation) {
  std::optional<size_t> index = Find(item, kItemKind, operation);
  return index ? &items_[*index] : nullptr;
}

std::optional<size_t> MenuBar::GroupNamed(const std::string &platformName) const {
  for (size_t i = 0; i < groups_.size(); ++i) {
    if (groups_[i].name == platformName) return i;
  }
  return std::nullopt;
}

HostErr MenuBar::AddItem(HostPluginRef plugin, const char *itemName,
                         const AIPlatformAddMenuItemDataUS *data, AIMenuItemHandle *item) {
  if (data == nullptr || data->groupName == nullptr || item == nullptr) {
    return kHostBadParameterErr;
  }
  if (PluginConnection::Of(plugin) == nullptr) return kHostBadParameterErr;
  std::optional<size_t> group = GroupNamed(data->groupName);
  const std::string *text = texts_.Utf8Of(data->itemText, "AddMenuItem");
  if (!group || text == nullptr) return kHostBadParameterErr;

  Item added;
  if (itemName != nullptr) added.name = itemName;
  added.text = *text;
  added.group = *group;
  if (!Append(std::move(added))) return kHostOutOfMemoryErr;
  groups_[*group].items.push_back(items_.size() - 1);
  *item = items_.back().handle;
  return kHostNoErr;
}

HostErr MenuBar::AddSubmenuGroup(const char *groupName, int32_t options, AIMenuItemHandle item,
                                 AIMenuGroup *group) {
  Item *parent = FindItem(item, "AddMenuGroupAsSubMenu");
  if (groupName == nullptr || parent == nullptr || group == nullptr) return kHostBadParameterErr;
  // Items find their group by name, so two groups may not share one.
  if (parent->submenu || GroupNamed(groupName)) return kHostBadParameterErr;
  const bool sorted = (options & kMenuGroupSortedAlphabeticallyOption) != 0;
  if (!Append(Group{groupName, false, sorted, {}})) return kHostOutOfMemoryErr;
  parent->submenu = groups_.size() - 1;
  *group = groups_.back().handle;
  return kHostNoErr;
}

HostErr MenuBar::CountGroups(int32_t *count) const {
  if (count == nullptr) return kHostBadParameterErr;
  *count = static_cast<int32_t>(groups_.size());
  return kHostNoErr;
}

HostErr MenuBar::GroupAt(int32_t index, AIMenuGroup *group) const {
  if (group == nullptr || index < 0 || static_cast<size_t>(index) >= groups_.size()) {
    return kHostBadParameterErr;
  }
  *group = groups_[static_cast<size_t>(index)].handle;
  return kHostNoErr;
}

HostErr MenuBar::GroupName(AIMenuGroup group, const char **name) {
  Group *found = FindGroup(group, "GetMenuGroupName");
  if (found == nullptr || name == nullptr) return kHostBadParameterErr;
  *name = found->name.c_str();
  return kHostNoErr;
}

HostErr MenuBar::SetEnabled(AIMenuItemHandle item, bool enabled, const char *operation) {
  Item *found = FindItem(item, operation);
  if (found == nullptr) return kHostBadParameterErr;
  found->enabled = enabled;
  return kHostNoErr;
}

HostErr MenuBar::CheckExists(AIMenuItemHandle item, const char *operation) {
  return FindItem(item, operation) == nullptr ? kHostBadParameterErr : kHostNoErr;
}

std::vector<size_t> MenuBar::ItemsInOrder(const Group &group) const {
  std::vector<size_t> order = group.items;
  if (group.sorted) {
    std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
      return LessIgnoringCase(items_[a].text, items_[b].text);
    });
  }
  return order;
}

}  // namespace zvhost
