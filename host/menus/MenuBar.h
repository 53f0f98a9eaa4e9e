// The host's menu groups and items ("AI Menu Suite"), the menu texts ("AI Unicode String
// Suite") and the `menu` and `dump menus` commands.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "AIMenuSuite.h"
#include "host/core/CommandTable.h"
#include "host/core/HandleRegistry.h"
#include "host/core/Output.h"
#include "host/core/SoleInstance.h"
#include "host/menus/UnicodeTexts.h"

namespace zvhost {

class MenuBar : public SoleInstance<MenuBar> {
 public:
  static constexpr const char *kRole = "menu bar";

  // Makes the host's own groups and offers the menu and Unicode string suites.
  MenuBar();
  ~MenuBar();

  void RegisterCommands(CommandTable &commands);
  UnicodeTexts &Texts() { return texts_; }

  // The menu suite's operations, after their failpoints. Handles the host did not hand out as
  // that kind are refused with kHostBadParameterErr and reported as misuse of `operation`.
  HostErr AddItem(HostPluginRef plugin, const char *itemName,
                  const AIPlatformAddMenuItemDataUS *data, AIMenuItemHandle *item);
  HostErr AddSubmenuGroup(const char *groupName, int32_t options, AIMenuItemHandle item,
                          AIMenuGroup *group);
  HostErr CountGroups(int32_t *count) const;
  HostErr GroupAt(int32_t index, AIMenuGroup *group) const;
  HostErr GroupName(AIMenuGroup group, const char **name);
  HostErr SetEnabled(AIMenuItemHandle item, bool enabled, const char *operation);
  // The host draws no check marks, so checking an item only makes sure it is one.
  HostErr CheckExists(AIMenuItemHandle item, const char *operation);

  // Every group in the host's order with its items as the user sees them.
  Json Dump() const;
  // Chooses the item at "GROUP/TEXT[/TEXT...]" as a user does: sends "AI Go" to the module,
  // or refuses when the path leads nowhere, ends at a submenu or the module is unloaded.
  void Choose(const std::string &path);

 private:
  struct Group {
    std::string name;  // in the platform encoding, as the module gave it
    bool hostOwn = false;
    bool sorted = false;
    std::vector<size_t> items;  // in the order added
    AIMenuGroup handle = nullptr;
  };
  struct Item {
    std::optional<std::string> name;  // platform encoding; none for an item added without one
    std::string text;                 // UTF-8
    size_t group = 0;
    std::optional<size_t> submenu;
    bool enabled = true;
    AIMenuItemHandle handle = nullptr;
  };

  // Items and groups are never removed; their handles name their positions.
  // Adds a group or item with a new handle; false when no handle is left.
  bool Append(Group group);
  bool Append(Item item);
  // The position a handle of `kind` names, or none (reported as misuse of `operation`).
  std::optional<size_t> Find(const void *handle, const HandleKind &kind, const char *operation);
  Group *FindGroup(AIMenuGroup group, const char *operation);
  Item *FindItem(AIMenuItemHandle item, const char *operation);
  std::optional<size_t> GroupNamed(const std::string &platformName) const;
  // A group's items as its menu shows them: by text when the group is sorted.
  std::vector<size_t> ItemsInOrder(const Group &group) const;
  std::string ItemTexts(const Group &group) const;

  // Deques, so that the names handed out by GroupName stay where they are.
  std::deque<Group> groups_;
  std::deque<Item> items_;
  UnicodeTexts texts_;
  HandleRegistry &handles_;
};

}  // namespace zvhost
