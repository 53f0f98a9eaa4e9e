#ifndef ZARVEL_SDK_ATE_CHARSTYLE_SUITE_H
#define ZARVEL_SDK_ATE_CHARSTYLE_SUITE_H

#include "ATETypes.h"

#define kATECharStyleSuite ATE_SUITE_NAME(CharStyle)
#define kATECharStyleSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(CharStyle);

#endif
