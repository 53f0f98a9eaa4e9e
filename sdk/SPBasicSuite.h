/* The basic suite: every message carries it. It hands out the other suites by name and
 * version, compares strings and allocates blocks. */
#ifndef ZARVEL_SDK_SP_BASIC_SUITE_H
#define ZARVEL_SDK_SP_BASIC_SUITE_H

#include "HostTypes.h"

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 4

typedef struct SPBasicSuite {
  /* Fills *suite with the function table of (name, version) and counts one acquisition;
   * 'S!Fd' and *suite untouched when the host does not offer it. */
  HostErr(ZV_API *AcquireSuite)(const char *name, int32_t version, const void **suite);
  /* Matches one earlier acquisition of (name, version); 'S!Fd' if none is held. */
  HostErr(ZV_API *ReleaseSuite)(const char *name, int32_t version);
  /* True when the two NUL-terminated strings are equal byte for byte. */
  HostBool(ZV_API *IsEqual)(const char *token1, const char *token2);
  /* A new block of size bytes, owned by the caller until FreeBlock; *block untouched on
   * failure. */
  HostErr(ZV_API *AllocateBlock)(size_t size, void **block);
  /* Frees a block from AllocateBlock; a null block is accepted. */
  HostErr(ZV_API *FreeBlock)(void *block);
  /* Resizes a block from AllocateBlock; *newBlock untouched on failure. */
  HostErr(ZV_API *ReallocateBlock)(void *block, size_t newSize, void **newBlock);
} SPBasicSuite;

#endif
