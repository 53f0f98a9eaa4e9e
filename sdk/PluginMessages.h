/* The messages the host sends to PluginMain: callers, selectors and message records. */
#ifndef ZARVEL_SDK_PLUGIN_MESSAGES_H
#define ZARVEL_SDK_PLUGIN_MESSAGES_H

#include "HostTypes.h"
#include "SPBasicSuite.h"

#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"

#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceAboutSelector "About"
#define kSPInterfaceShutdownSelector "Shutdown"

#define kCallerAIMenu "AI Menu"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"

#define kCallerAINotifier "AI Notifier"
#define kSelectorAINotify "AI Notify"

/* The head of every message. */
typedef struct SPMessageData {
  /* This plug-in, as the host knows it. */
  HostPluginRef self;
  /* Kept by the host for the plug-in between an "Unload" and the next "Reload". */
  void *globals;
  /* The host's basic suite, valid for the duration of the call. */
  const SPBasicSuite *basic;
} SPMessageData;

/* "AI Menu" messages: the item that was chosen or is to be updated. */
typedef struct AIMenuMessage {
  SPMessageData d;
  AIMenuItemHandle menuItem;
} AIMenuMessage;

/* "AI Notifier" messages: the registration that fired. */
typedef struct AINotifierMessage {
  SPMessageData d;
  AINotifierHandle notifier;
  const char *type;
  void *notifyData;
} AINotifierMessage;

/* The module's one exported function. Returns 0 or a host error code. */
typedef HostErr(ZV_API *PluginMainProc)(const char *caller, const char *selector, void *message);

#define kPluginMainName "PluginMain"

#endif
