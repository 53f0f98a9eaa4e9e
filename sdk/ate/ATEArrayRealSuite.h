#ifndef ZARVEL_SDK_ATE_ARRAYREAL_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYREAL_SUITE_H

#include "ATETypes.h"

#define kATEArrayRealSuite ATE_SUITE_NAME(ArrayReal)
#define kATEArrayRealSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayReal);

#endif
