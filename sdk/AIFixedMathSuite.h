/* Offered by the host and acquired by the module; the module calls none of its operations. */
#ifndef ZARVEL_SDK_AI_FIXED_MATH_SUITE_H
#define ZARVEL_SDK_AI_FIXED_MATH_SUITE_H

#include "HostTypes.h"

#define kAIFixedMathSuite "AI Fixed Math Suite"
#define kAIFixedMathSuiteVersion2 2

typedef struct AIFixedMathSuite2 {
  HostErr(ZV_API *FixedMul)(int32_t a, int32_t b, int32_t *product);
  HostErr(ZV_API *FixedDiv)(int32_t a, int32_t b, int32_t *quotient);
} AIFixedMathSuite2;

#endif
