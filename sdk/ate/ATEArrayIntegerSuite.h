#ifndef ZARVEL_SDK_ATE_ARRAYINTEGER_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYINTEGER_SUITE_H

#include "ATETypes.h"

#define kATEArrayIntegerSuite ATE_SUITE_NAME(ArrayInteger)
#define kATEArrayIntegerSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayInteger);

#endif
