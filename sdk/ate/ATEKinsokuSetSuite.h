#ifndef ZARVEL_SDK_ATE_KINSOKUSET_SUITE_H
#define ZARVEL_SDK_ATE_KINSOKUSET_SUITE_H

#include "ATETypes.h"

#define kATEKinsokuSetSuite ATE_SUITE_NAME(KinsokuSet)
#define kATEKinsokuSetSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(KinsokuSet);

#endif
