#ifndef ZARVEL_SDK_ATE_KINSOKU_SUITE_H
#define ZARVEL_SDK_ATE_KINSOKU_SUITE_H

#include "ATETypes.h"

#define kATEKinsokuSuite ATE_SUITE_NAME(Kinsoku)
#define kATEKinsokuSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(Kinsoku);

#endif
