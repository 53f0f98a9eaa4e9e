/* Offered by the host and acquired by the module; the module calls none of its operations. */
#ifndef ZARVEL_SDK_AI_RUNTIME_SUITE_H
#define ZARVEL_SDK_AI_RUNTIME_SUITE_H

#include "HostTypes.h"

#define kAIRuntimeSuite "AI Runtime Suite"
#define kAIRuntimeSuiteVersion10 10

typedef struct AIRuntimeSuite10 {
  HostErr(ZV_API *GetAppName)(const char **name);
  HostErr(ZV_API *GetAppVersion)(int32_t *major, int32_t *minor);
} AIRuntimeSuite10;

#endif
