#ifndef ZARVEL_SDK_ATE_ARRAYKINSOKUREF_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYKINSOKUREF_SUITE_H

#include "ATETypes.h"

#define kATEArrayKinsokuRefSuite ATE_SUITE_NAME(ArrayKinsokuRef)
#define kATEArrayKinsokuRefSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayKinsokuRef);

#endif
