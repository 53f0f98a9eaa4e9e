#include "host/menus/MenuBar.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "host/core/Failpoint.h"
#include "host/core/PluginConnection.h"

namespace zvhost {

namespace {

constexpr const char *kSuite = kAIMenuSuite;

// The host's own groups, in its order. None has the empty name: the module makes that one.
constexpr const char *kHostGroups[] = {
    "File", "Edit", "Object", "Type", "Select", "Window", kWindowUtilsMenuGroup, kAboutMenuGroup};

MenuBar &Menus() {
  return *TheHost().menus;
}

HostErr ZV_API AddMenuItem(HostPluginRef plugin, const char *itemName,
                           AIPlatformAddMenuItemDataUS *data, int32_t options,
                           AIMenuItemHandle *menuItem) {
  if (HostErr err = Failpoint(kSuite, "AddMenuItem")) return err;
  // Item options only ask for update messages and the like; this host sends none.
  (void)options;
  return Menus().AddItem(plugin, itemName, data, menuItem);
}

HostErr ZV_API AddMenuGroupAsSubMenu(const char *groupName, int32_t options,
                                     AIMenuItemHandle menuItem, AIMenuGroup *group) {
  if (HostErr err = Failpoint(kSuite, "AddMenuGroupAsSubMenu")) return err;
  return Menus().AddSubmenuGroup(groupName, options, menuItem, group);
}

HostErr ZV_API CountMenuGroups(int32_t *count) {
  if (HostErr err = Failpoint(kSuite, "CountMenuGroups")) return err;
  return Menus().CountGroups(count);
}

HostErr ZV_API GetNthMenuGroup(int32_t index, AIMenuGroup *group) {
  if (HostErr err = Failpoint(kSuite, "GetNthMenuGroup")) return err;
  return Menus().GroupAt(index, group);
}

HostErr ZV_API GetMenuGroupName(AIMenuGroup group, const char **name) {
  if (HostErr err = Failpoint(kSuite, "GetMenuGroupName")) return err;
  return Menus().GroupName(group, name);
}

HostErr ZV_API EnableItem(AIMenuItemHandle menuItem) {
  if (HostErr err = Failpoint(kSuite, "EnableItem")) return err;
  return Menus().SetEnabled(menuItem, true, "EnableItem");
}

HostErr ZV_API DisableItem(AIMenuItemHandle menuItem) {
  if (HostErr err = Failpoint(kSuite, "DisableItem")) return err;
  return Menus().SetEnabled(menuItem, false, "DisableItem");
}

HostErr ZV_API CheckItem(AIMenuItemHandle menuItem, HostBool checkIt) {
  if (HostErr err = Failpoint(kSuite, "CheckItem")) return err;
  (void)checkIt;
  return Menus().CheckExists(menuItem, "CheckItem");
}

#define MENU_OPERATIONS(X) \
  X(AddMenuItem)           \
  X(AddMenuGroupAsSubMenu) \
  X(CountMenuGroups)       \
  X(GetNthMenuGroup) X(GetMenuGroupName) X(EnableItem) X(DisableItem) X(CheckItem)

const AIMenuSuite9 kTable = {MENU_OPERATIONS(ZV_TABLE_ENTRY)};

template <class Handle>
std::optional<size_t> IndexOf(Handle handle, size_t count) {
  uintptr_t raw = reinterpret_cast<uintptr_t>(handle);
  if (raw == 0 || raw > count) return std::nullopt;
  return raw - 1;
}

bool LessIgnoringCase(const std::string &a, const std::string &b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

MenuBar::MenuBar() {
  for (const char *name : kHostGroups) groups_.push_back({name, true, false, {}});
  TheHost().suites.Offer(kAIMenuSuite, kAIMenuSuiteVersion9, &kTable,
                         {MENU_OPERATIONS(ZV_OPERATION_NAME)});
}

MenuBar::~MenuBar() = default;

AIMenuItemHandle MenuBar::ItemHandle(size_t index) {
  return reinterpret_cast<AIMenuItemHandle>(static_cast<uintptr_t>(index + 1));
}

AIMenuGroup MenuBar::GroupHandle(size_t index) {
  return reinterpret_cast<AIMenuGroup>(static_cast<uintptr_t>(index + 1));
}

MenuBar::Group *MenuBar::FindGroup(AIMenuGroup group, const char *operation) {
  if (group == nullptr) return nullptr;
  std::optional<size_t> index = IndexOf(group, groups_.size());
  if (!index) {
    TheHost().findings.Report(std::string(kSuite) + "/" + operation, "unknown menu group");
    return nullptr;
  }
  return &groups_[*index];
}

MenuBar::Item *MenuBar::FindItem(AIMenuItemHandle item, const char *operation) {
  if (item == nullptr) return nullptr;
  std::optional<size_t> index = IndexOf(item, items_.size());
  if (!index) {
    TheHost().findings.Report(std::string(kSuite) + "/" + operation, "unknown menu item");
    return nullptr;
  }
  return &items_[*index];
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
  if (!TheHost().plugin || !TheHost().plugin->IsOurs(plugin)) return kHostBadParameterErr;
  std::optional<size_t> group = GroupNamed(data->groupName);
  const std::string *text = texts_.Utf8Of(data->itemText, "AddMenuItem");
  if (!group || text == nullptr) return kHostBadParameterErr;

  Item added;
  if (itemName != nullptr) added.name = itemName;
  added.text = *text;
  added.group = *group;
  items_.push_back(std::move(added));
  groups_[*group].items.push_back(items_.size() - 1);
  *item = ItemHandle(items_.size() - 1);
  return kHostNoErr;
}

HostErr MenuBar::AddSubmenuGroup(const char *groupName, int32_t options, AIMenuItemHandle item,
                                 AIMenuGroup *group) {
  Item *parent = FindItem(item, "AddMenuGroupAsSubMenu");
  if (groupName == nullptr || parent == nullptr || group == nullptr) return kHostBadParameterErr;
  // Items find their group by name, so two groups may not share one.
  if (parent->submenu || GroupNamed(groupName)) return kHostBadParameterErr;
  groups_.push_back({groupName, false, (options & kMenuGroupSortedAlphabeticallyOption) != 0, {}});
  parent->submenu = groups_.size() - 1;
  *group = GroupHandle(groups_.size() - 1);
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
  *group = GroupHandle(static_cast<size_t>(index));
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
