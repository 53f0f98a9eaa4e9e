#ifndef ZARVEL_SDK_AI_NOTIFIER_SUITE_H
#define ZARVEL_SDK_AI_NOTIFIER_SUITE_H

#include "HostTypes.h"

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion2 2

#define kAIArtSelectionChangedNotifier "AI Art Selection Changed Notifier"
#define kAIDocumentNewNotifier "AI Document New Notifier"
#define kAIDocumentOpenedNotifier "AI Document Opened Notifier"
#define kAIDocumentClosedNotifier "AI Document Closed Notifier"

typedef struct AINotifierSuite2 {
  /* Registers for notifications of `type`, sent as "AI Notifier"/"AI Notify" messages that
   * carry the returned handle. *notifier untouched on failure. */
  HostErr(ZV_API *AddNotifier)(HostPluginRef plugin, const char *name, const char *type,
                               AINotifierHandle *notifier);
  HostErr(ZV_API *SetNotifierActive)(AINotifierHandle notifier, HostBool active);
  HostErr(ZV_API *CountNotifiers)(int32_t *count);
} AINotifierSuite2;

#endif
