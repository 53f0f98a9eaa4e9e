#ifndef ZARVEL_SDK_ATE_ARRAYKASHIDAS_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYKASHIDAS_SUITE_H

#include "ATETypes.h"

#define kATEArrayKashidasSuite ATE_SUITE_NAME(ArrayKashidas)
#define kATEArrayKashidasSuiteVersion 1

typedef struct ATEArrayKashidasSuite {
  ATE_HANDLE_SUITE_HEAD(ArrayKashidas);
  ATEErr(ZV_API *GetSize)(ArrayKashidasRef values, int32_t *size);
  ATEErr(ZV_API *GetFirst)(ArrayKashidasRef values, Kashidas *value);
  ATEErr(ZV_API *GetLast)(ArrayKashidasRef values, Kashidas *value);
  /* The value at a 0-based index; kATEOutOfRangeErr past the end. */
  ATEErr(ZV_API *Item)(ArrayKashidasRef values, int32_t index, Kashidas *value);
} ATEArrayKashidasSuite;

#endif
