#ifndef ZARVEL_SDK_ATE_ARRAYAUTOKERNTYPE_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYAUTOKERNTYPE_SUITE_H

#include "ATETypes.h"

#define kATEArrayAutoKernTypeSuite ATE_SUITE_NAME(ArrayAutoKernType)
#define kATEArrayAutoKernTypeSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayAutoKernType);

#endif
