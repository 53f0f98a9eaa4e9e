#ifndef ZARVEL_SDK_ATE_TABSTOPS_SUITE_H
#define ZARVEL_SDK_ATE_TABSTOPS_SUITE_H

#include "ATETypes.h"

#define kATETabStopsSuite ATE_SUITE_NAME(TabStops)
#define kATETabStopsSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(TabStops);

#endif
