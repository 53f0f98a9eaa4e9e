/* Offered by the host and acquired by the module; the module calls none of its operations. */
#ifndef ZARVEL_SDK_AI_ART_SUITE_H
#define ZARVEL_SDK_AI_ART_SUITE_H

#include "HostTypes.h"

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion15 15

typedef struct AIArtSuite15 {
  HostErr(ZV_API *GetArtType)(AIArtHandle art, int16_t *type);
  HostErr(ZV_API *GetArtUserAttr)(AIArtHandle art, int32_t whichAttr, int32_t *attr);
} AIArtSuite15;

#endif
