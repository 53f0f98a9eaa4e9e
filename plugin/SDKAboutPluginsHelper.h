// Adds an item to a submenu of the host's About group. It holds its own AI Menu Suite for
// the one call, apart from the suites table.
#pragma once

#include "AIMenuSuite.h"
#include "HostTypes.h"
#include "PluginMessages.h"
#include "plugin/UnicodeString.h"

class SDKAboutPluginsHelper {
 public:
  SDKAboutPluginsHelper() = default;
  virtual ~SDKAboutPluginsHelper();
  SDKAboutPluginsHelper(const SDKAboutPluginsHelper &) = delete;
  SDKAboutPluginsHelper &operator=(const SDKAboutPluginsHelper &) = delete;

  // Adds an unnamed item with `itemText` to the group `groupName`, making that group first
  // (an item `vendorText` under "About" that opens it) when the host has none of that name.
  // The item's handle goes to *menuItem on success. Returns 0 or the failing call's code.
  HostErr AddAboutMenuItem(const SPMessageData *message, const char *groupName,
                           const ai::UnicodeString &vendorText, const char *itemText,
                           AIMenuItemHandle *menuItem);

 private:
  // Gives the suite back if it is held.
  void ReleaseMenuSuite();

  const SPBasicSuite *basic_ = nullptr;
  const AIMenuSuite9 *fAIMenu = nullptr;
};
