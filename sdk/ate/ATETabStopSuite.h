#ifndef ZARVEL_SDK_ATE_TABSTOP_SUITE_H
#define ZARVEL_SDK_ATE_TABSTOP_SUITE_H

#include "ATETypes.h"

#define kATETabStopSuite ATE_SUITE_NAME(TabStop)
#define kATETabStopSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(TabStop);

#endif
