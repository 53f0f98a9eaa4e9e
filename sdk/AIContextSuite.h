/* Offered by the host and acquired by the module; the module calls none of its operations. */
#ifndef ZARVEL_SDK_AI_CONTEXT_SUITE_H
#define ZARVEL_SDK_AI_CONTEXT_SUITE_H

#include "HostTypes.h"

#define kAIContextSuite "AI Context Suite"
#define kAIContextSuiteVersion5 5

typedef struct AIContextSuite5 {
  HostErr(ZV_API *PushAppContext)(HostPluginRef plugin, void **context);
  HostErr(ZV_API *PopAppContext)(void *context);
} AIContextSuite5;

#endif
