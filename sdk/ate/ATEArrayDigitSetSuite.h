#ifndef ZARVEL_SDK_ATE_ARRAYDIGITSET_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYDIGITSET_SUITE_H

#include "ATETypes.h"

#define kATEArrayDigitSetSuite ATE_SUITE_NAME(ArrayDigitSet)
#define kATEArrayDigitSetSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayDigitSet);

#endif
