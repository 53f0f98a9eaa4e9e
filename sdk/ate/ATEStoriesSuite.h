#ifndef ZARVEL_SDK_ATE_STORIES_SUITE_H
#define ZARVEL_SDK_ATE_STORIES_SUITE_H

#include "ATETypes.h"

#define kATEStoriesSuite ATE_SUITE_NAME(Stories)
#define kATEStoriesSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(Stories);

#endif
