/* Offered by the host and acquired by the module; the module calls none of its operations. */
#ifndef ZARVEL_SDK_SP_BLOCKS_SUITE_H
#define ZARVEL_SDK_SP_BLOCKS_SUITE_H

#include "HostTypes.h"

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion2 2

typedef struct SPBlocksSuite2 {
  HostErr(ZV_API *AllocateBlock)(size_t size, const char *debug, void **block);
  HostErr(ZV_API *FreeBlock)(void *block);
} SPBlocksSuite2;

#endif
