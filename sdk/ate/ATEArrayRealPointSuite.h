#ifndef ZARVEL_SDK_ATE_ARRAYREALPOINT_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYREALPOINT_SUITE_H

#include "ATETypes.h"

#define kATEArrayRealPointSuite ATE_SUITE_NAME(ArrayRealPoint)
#define kATEArrayRealPointSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayRealPoint);

#endif
