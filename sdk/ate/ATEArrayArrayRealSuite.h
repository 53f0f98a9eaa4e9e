#ifndef ZARVEL_SDK_ATE_ARRAYARRAYREAL_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYARRAYREAL_SUITE_H

#include "ATETypes.h"

#define kATEArrayArrayRealSuite ATE_SUITE_NAME(ArrayArrayReal)
#define kATEArrayArrayRealSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayArrayReal);

#endif
