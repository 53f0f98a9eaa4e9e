#ifndef ZARVEL_SDK_ATE_CHARSTYLES_SUITE_H
#define ZARVEL_SDK_ATE_CHARSTYLES_SUITE_H

#include "ATETypes.h"

#define kATECharStylesSuite ATE_SUITE_NAME(CharStyles)
#define kATECharStylesSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(CharStyles);

#endif
