#ifndef ZARVEL_SDK_ATE_ARRAYDIACVPOS_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYDIACVPOS_SUITE_H

#include "ATETypes.h"

#define kATEArrayDiacVPosSuite ATE_SUITE_NAME(ArrayDiacVPos)
#define kATEArrayDiacVPosSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayDiacVPos);

#endif
