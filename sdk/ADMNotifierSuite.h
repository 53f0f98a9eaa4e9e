#ifndef ZARVEL_SDK_ADM_NOTIFIER_SUITE_H
#define ZARVEL_SDK_ADM_NOTIFIER_SUITE_H

#include "ADMTypes.h"

#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion2 2

typedef struct ADMNotifierSuite2 {
  /* True when the notification is of the named type. */
  HostBool(ZV_API *IsNotifierType)(ADMNotifierRef notifier, const char *notifierType);
  ADMItemRef(ZV_API *GetItem)(ADMNotifierRef notifier);
  ADMDialogRef(ZV_API *GetDialog)(ADMNotifierRef notifier);
  /* Copies the type name into notifierType (NUL-terminated, at most maxLength bytes). */
  void(ZV_API *GetNotifierType)(ADMNotifierRef notifier, char *notifierType, int32_t maxLength);
} ADMNotifierSuite2;

#endif
