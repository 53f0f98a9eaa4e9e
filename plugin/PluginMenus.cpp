#include <cstring>

#include "base/HostSuites.h"
#include "panel/AboutBox.h"
#include "panel/ZarvelNonModalDialog.h"
#include "plugin/MenuItemData.h"
#include "plugin/MenusAndNotifiers.h"
#include "plugin/PluginGlobals.h"
#include "plugin/SDKAboutPluginsHelper.h"

namespace {

// The plug-in's submenu under Window > Utilities is the host group with the empty name.
inline constexpr char kPluginMenuGroup[] = "";
// The Window > Utilities item that opens it has the empty name too.
inline constexpr char kSubmenuOpenerName[] = "";
inline constexpr char kPluginName[] = "Zarvel";
inline constexpr char kAboutItemText[] = "About Zarvel...";

// Adds the "About Zarvel..." item under the host's About group. A failure leaves its
// handle empty and start-up goes on.
void AddHostAboutMenuItem(const SPMessageData *message) {
  try {
    const ai::UnicodeString vendor(kPluginName);
    SDKAboutPluginsHelper helper;
    helper.AddAboutMenuItem(message, kPluginName, vendor, kAboutItemText,
                            &gGlobals->hostAboutMenuItem);
  } catch (const ai::Error &) {
  }
}

// Whether the host has a group of that name, searched from the last group to the first.
HostErr FindMenuGroup(const AIMenuSuite9 &menus, const char *groupName, bool *found) {
  int32_t count = 0;
  HostErr result = menus.CountMenuGroups(&count);
  if (result != kHostNoErr) return result;
  *found = false;
  for (int32_t index = count - 1; index >= 0 && !*found; --index) {
    AIMenuGroup group = nullptr;
    const char *name = nullptr;
    result = menus.GetNthMenuGroup(index, &group);
    if (result == kHostNoErr) result = menus.GetMenuGroupName(group, &name);
    if (result != kHostNoErr) return result;
    *found = name != nullptr && std::strcmp(name, groupName) == 0;
  }
  return kHostNoErr;
}

// The item "Zarvel" under Window > Utilities that opens the plug-in's submenu, made unless
// the submenu's group exists already.
HostErr AddPluginSubmenu(const SPMessageData *message, const AIMenuSuite9 &menus) {
  MenuItemData utilitiesItem(kWindowUtilsMenuGroup, kPluginName);
  bool found = false;
  HostErr result = FindMenuGroup(menus, kPluginMenuGroup, &found);
  if (result != kHostNoErr || found) return result;
  AIMenuItemHandle opener = nullptr;
  result = menus.AddMenuItem(message->self, kSubmenuOpenerName, utilitiesItem.Record(), 0, &opener);
  if (result != kHostNoErr) return result;
  AIMenuGroup submenu = nullptr;
  return menus.AddMenuGroupAsSubMenu(kPluginMenuGroup, kMenuGroupSortedAlphabeticallyOption, opener,
                                     &submenu);
}

// One item of the plug-in's submenu; a failure leaves the item out and its handle empty.
void AddSubmenuItem(const SPMessageData *message, const AIMenuSuite9 &menus, const char *name,
                    AIMenuItemHandle *handle) {
  MenuItemData item(kPluginMenuGroup, name);
  menus.AddMenuItem(message->self, name, item.Record(), 0, handle);
}

// The panel's dialog while it exists, or null.
ADMDialogRef PanelDialog() {
  if (gGlobals == nullptr || gGlobals->panel == nullptr) return nullptr;
  return gGlobals->panel->GetDialogRef();
}

}  // namespace

HostErr AddPluginMenusAndNotifiers(SPMessageData *message) {
  AddHostAboutMenuItem(message);

  const AIMenuSuite9 &menus = Require(gAIMenuSuite);
  const HostErr result = AddPluginSubmenu(message, menus);
  if (result != kHostNoErr) return result;
  AddSubmenuItem(message, menus, kPluginName, &gGlobals->panelMenuItem);
  AddSubmenuItem(message, menus, kAboutItemText, &gGlobals->aboutMenuItem);

  if (gGlobals->panel == nullptr) gGlobals->panel = new ZarvelNonModalDialog(message->self);
  if (gGlobals->pluginRef == nullptr) gGlobals->pluginRef = message->self;

  return AddPluginNotifiers(message);
}

HostErr goMenuItem(AIMenuMessage *message) {
  const AIMenuItemHandle chosen = message->menuItem;
  if (gGlobals == nullptr || chosen == nullptr) return kHostNoErr;
  if (chosen == gGlobals->aboutMenuItem || chosen == gGlobals->hostAboutMenuItem) {
    RunAboutBox(message->d.self);
  } else if (chosen == gGlobals->panelMenuItem) {
    if (ADMDialogRef dialog = PanelDialog()) {
      const ADMDialogSuite10 &dialogs = Require(gADMDialogSuite);
      dialogs.Show(dialog, !dialogs.IsVisible(dialog));
    }
  }
  return kHostNoErr;
}

HostErr updateMenuItem(AIMenuMessage *) {
  return kHostNoErr;
}
