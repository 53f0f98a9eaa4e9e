/* Offered by the host and acquired by the module; the module calls none of its operations. */
#ifndef ZARVEL_SDK_AI_APPLICATION_SUITE_H
#define ZARVEL_SDK_AI_APPLICATION_SUITE_H

#include "HostTypes.h"

#define kAIApplicationSuite "AI Application Suite"
#define kAIApplicationSuiteVersion1 1

typedef struct AIApplicationSuite1 {
  HostErr(ZV_API *IsUserInteractionAllowed)(HostBool *allowed);
} AIApplicationSuite1;

#endif
