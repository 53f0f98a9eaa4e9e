#ifndef ZARVEL_SDK_ATE_ARRAYFONTREF_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYFONTREF_SUITE_H

#include "ATETypes.h"

#define kATEArrayFontRefSuite ATE_SUITE_NAME(ArrayFontRef)
#define kATEArrayFontRefSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayFontRef);

#endif
