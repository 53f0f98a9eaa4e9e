#ifndef ZARVEL_SDK_ATE_ARRAYBOOL_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYBOOL_SUITE_H

#include "ATETypes.h"

#define kATEArrayBoolSuite ATE_SUITE_NAME(ArrayBool)
#define kATEArrayBoolSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayBool);

#endif
