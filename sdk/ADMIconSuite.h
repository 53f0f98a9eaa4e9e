#ifndef ZARVEL_SDK_ADM_ICON_SUITE_H
#define ZARVEL_SDK_ADM_ICON_SUITE_H

#include "ADMTypes.h"

#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion1 1
#define kADMIconSuiteVersion2 2

/* Both versions share their leading operations. */
typedef struct ADMIconSuite {
  /* An icon from picture resource `iconID` of the plug-in; null on failure. */
  ADMIconRef(ZV_API *GetFromResource)(HostPluginRef plugin, const char *name, int32_t iconID,
                                      int32_t iconIndex);
  void(ZV_API *Destroy)(ADMIconRef icon);
  int32_t(ZV_API *GetWidth)(ADMIconRef icon);
  int32_t(ZV_API *GetHeight)(ADMIconRef icon);
} ADMIconSuite;

typedef ADMIconSuite ADMIconSuite1;
typedef ADMIconSuite ADMIconSuite2;

#endif
