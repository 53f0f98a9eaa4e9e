#ifndef ZARVEL_SDK_ATE_FIND_SUITE_H
#define ZARVEL_SDK_ATE_FIND_SUITE_H

#include "ATETypes.h"

#define kATEFindSuite ATE_SUITE_NAME(Find)
#define kATEFindSuiteVersion 101

ATE_DECLARE_HANDLE_SUITE(Find);

#endif
