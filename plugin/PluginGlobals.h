// The plug-in's globals record: allocated from the host at start-up, handed to the host
// across an unload and taken back at reload, freed at shut-down.
#pragma once

#include "ADMTypes.h"
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
  ZarvelNonModalDialog *panel;  // created at start-up, deleted at shut-down; null while unloaded
  HostPluginRef pluginRef;
  // While the module is unloaded: the panel object's storage, which the panel's dialog still
  // names as its user data, and that dialog. The object itself ends at the unload (its table
  // of virtual functions goes with the module's image) and is made again there at the reload.
  void *suspendedPanel;
  ADMDialogRef suspendedPanelDialog;
};

extern PluginGlobals *gGlobals;
