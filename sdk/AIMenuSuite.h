#ifndef ZARVEL_SDK_AI_MENU_SUITE_H
#define ZARVEL_SDK_AI_MENU_SUITE_H

#include "HostTypes.h"

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion9 9

/* Host menu groups that plug-ins add to. */
#define kWindowUtilsMenuGroup "Window Utilities"
#define kAboutMenuGroup "About"

enum { kMenuGroupSortedAlphabeticallyOption = 1 };

/* What an added item shows and where it goes. The host copies both. */
typedef struct AIPlatformAddMenuItemDataUS {
  const char *groupName;
  HostUnicodeStringRef itemText;
} AIPlatformAddMenuItemDataUS;

typedef struct AIMenuSuite9 {
  /* Adds an item to data->groupName; itemName may be null or "". *menuItem untouched on
   * failure (no such group, no text). */
  HostErr(ZV_API *AddMenuItem)(HostPluginRef plugin, const char *itemName,
                               AIPlatformAddMenuItemDataUS *data, int32_t options,
                               AIMenuItemHandle *menuItem);
  /* Makes a new group the submenu of an item. Fails when the item has a submenu already. */
  HostErr(ZV_API *AddMenuGroupAsSubMenu)(const char *groupName, int32_t options,
                                         AIMenuItemHandle menuItem, AIMenuGroup *group);
  HostErr(ZV_API *CountMenuGroups)(int32_t *count);
  /* The group at a 0-based index in the host's order. */
  HostErr(ZV_API *GetNthMenuGroup)(int32_t index, AIMenuGroup *group);
  /* The group's name; the text belongs to the host and lives as long as the group. */
  HostErr(ZV_API *GetMenuGroupName)(AIMenuGroup group, const char **name);
  HostErr(ZV_API *EnableItem)(AIMenuItemHandle menuItem);
  HostErr(ZV_API *DisableItem)(AIMenuItemHandle menuItem);
  HostErr(ZV_API *CheckItem)(AIMenuItemHandle menuItem, HostBool checkIt);
} AIMenuSuite9;

#endif
