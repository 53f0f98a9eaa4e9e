#include "plugin/SDKAboutPluginsHelper.h"

#include <cstring>

#include "plugin/MenuItemData.h"

SDKAboutPluginsHelper::~SDKAboutPluginsHelper() {
  ReleaseMenuSuite();
}

void SDKAboutPluginsHelper::ReleaseMenuSuite() {
  if (fAIMenu != nullptr) basic_->ReleaseSuite(kAIMenuSuite, kAIMenuSuiteVersion9);
  fAIMenu = nullptr;
}

HostErr SDKAboutPluginsHelper::AddAboutMenuItem(const SPMessageData *message, const char *groupName,
                                                const ai::UnicodeString &vendorText,
                                                const char *itemText, AIMenuItemHandle *menuItem) {
  if (fAIMenu == nullptr) {
    basic_ = message->basic;
    const HostErr acquired = basic_->AcquireSuite(kAIMenuSuite, kAIMenuSuiteVersion9,
                                                  reinterpret_cast<const void **>(&fAIMenu));
    if (acquired != kHostNoErr) {
      ReleaseMenuSuite();
      return acquired;
    }
    if (fAIMenu == nullptr) return kHostNoErr;
  }
  const AIMenuSuite9 &menus = *fAIMenu;

  int32_t count = 0;
  HostErr result = menus.CountMenuGroups(&count);
  bool found = false;
  for (int32_t index = 0; result == kHostNoErr && !found && index < count; ++index) {
    AIMenuGroup group = nullptr;
    const char *name = nullptr;
    result = menus.GetNthMenuGroup(index, &group);
    if (result == kHostNoErr) result = menus.GetMenuGroupName(group, &name);
    found = result == kHostNoErr && name != nullptr && std::strcmp(name, groupName) == 0;
  }

  if (result == kHostNoErr && !found) {
    AIPlatformAddMenuItemDataUS vendorItem{kAboutMenuGroup, vendorText.Ref()};
    AIMenuItemHandle vendorMenuItem = nullptr;
    result = menus.AddMenuItem(message->self, nullptr, &vendorItem, 0, &vendorMenuItem);
    if (result == kHostNoErr) {
      AIMenuGroup submenu = nullptr;
      result = menus.AddMenuGroupAsSubMenu(groupName, kMenuGroupSortedAlphabeticallyOption,
                                           vendorMenuItem, &submenu);
    }
  }

  if (result == kHostNoErr) {
    MenuItemData item(groupName, itemText);
    AIMenuItemHandle added = nullptr;
    result = menus.AddMenuItem(message->self, nullptr, item.Record(), 0, &added);
    if (result == kHostNoErr) *menuItem = added;
  }

  ReleaseMenuSuite();
  return result;
}
