#ifndef ZARVEL_SDK_ATE_ARRAYLINE_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYLINE_SUITE_H

#include "ATETypes.h"

#define kATEArrayLineSuite ATE_SUITE_NAME(ArrayLine)
#define kATEArrayLineSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayLine);

#endif
