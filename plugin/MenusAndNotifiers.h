// The plug-in's menu items and notifier registrations, and the handlers of the menu and
// notifier messages.
#pragma once

#include "HostTypes.h"
#include "PluginMessages.h"

// The last step of start-up: the About items, the submenu under Window > Utilities with
// the panel item, the panel object and the four notifier registrations. Returns the first
// failing code of the submenu's making, else the code of the last registration.
HostErr AddPluginMenusAndNotifiers(SPMessageData *message);
// Registers for the selection and document notifications; the code of the last one.
HostErr AddPluginNotifiers(const SPMessageData *message);

// "AI Menu"/"AI Go": the panel item shows or hides the panel, either About item runs the
// About box. Returns 0.
HostErr goMenuItem(AIMenuMessage *message);
// "AI Menu"/"AI Update": the plug-in never changes its items. Returns 0.
HostErr updateMenuItem(AIMenuMessage *message);
// "AI Notifier"/"AI Notify": enables, disables or re-reads the panel's controls. Returns 0
// or the code of the panel operation that failed.
HostErr goNotifier(AINotifierMessage *message);
