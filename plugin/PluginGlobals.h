// The plug-in's globals record: allocated from the host at start-up, handed to the host
// across an unload and taken back at reload, freed at shut-down.
#pragma once

#include "HostTypes.h"

class ZarvelNonModalDialog;

struct PluginGlobals {
  AIMenuItemHandle panelMenuItem;      // "Zarvel" in the plug-in's submenu: shows/hides the panel
  AIMenuItemHandle aboutMenuItem;      // "About Zarvel..." in the plug-in's submenu
  AIMenuItemHandle hostAboutMenuItem;  // "About Zarvel..." under the host's About group
  AINotifierHandle selectionChangedNotifier;
  AINotifierHandle documentNewNotifier;
  AINotifierHandle documentOpenedNotifier;
  AINotifierHandle documentClosedNotifier;
  ZarvelNonModalDialog *panel;  // created at start-up, never deleted
  HostPluginRef pluginRef;
};

extern PluginGlobals *gGlobals;
