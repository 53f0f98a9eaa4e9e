/* Offered by the host and acquired by the module; the module calls none of its operations. */
#ifndef ZARVEL_SDK_SP_ACCESS_SUITE_H
#define ZARVEL_SDK_SP_ACCESS_SUITE_H

#include "HostTypes.h"

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion3 3

typedef struct SPAccessSuite3 {
  HostErr(ZV_API *GetPluginName)(HostPluginRef plugin, const char **name);
  HostErr(ZV_API *GetPluginAccessCount)(HostPluginRef plugin, int32_t *count);
} SPAccessSuite3;

#endif
