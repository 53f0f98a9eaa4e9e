/* Offered by the host and acquired by the module; the module calls none of its operations. */
#ifndef ZARVEL_SDK_AI_MD_MEMORY_SUITE_H
#define ZARVEL_SDK_AI_MD_MEMORY_SUITE_H

#include "HostTypes.h"

#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion1 1

typedef struct AIMdMemorySuite1 {
  HostErr(ZV_API *MdMemoryNewHandle)(int32_t size, void **handle);
  HostErr(ZV_API *MdMemoryDisposeHandle)(void *handle);
} AIMdMemorySuite1;

#endif
