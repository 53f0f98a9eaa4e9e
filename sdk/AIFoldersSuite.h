/* Offered by the host and acquired by the module; the module calls none of its operations. */
#ifndef ZARVEL_SDK_AI_FOLDERS_SUITE_H
#define ZARVEL_SDK_AI_FOLDERS_SUITE_H

#include "HostTypes.h"

#define kAIFoldersSuite "AI Folders Suite"
#define kAIFoldersSuiteVersion3 3

typedef struct AIFoldersSuite3 {
  HostErr(ZV_API *GetPluginsFolder)(char *path, int32_t size);
} AIFoldersSuite3;

#endif
