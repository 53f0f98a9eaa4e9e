/* Offered by the host and acquired by the module; the module calls none of its operations. */
#ifndef ZARVEL_SDK_AI_FILE_PATH_SUITE_H
#define ZARVEL_SDK_AI_FILE_PATH_SUITE_H

#include "HostTypes.h"

#define kAIFilePathSuite "AI File Path Suite"
#define kAIFilePathSuiteVersion2 2

typedef struct AIFilePathSuite2 {
  HostErr(ZV_API *Exists)(const char *path, HostBool *exists);
} AIFilePathSuite2;

#endif
