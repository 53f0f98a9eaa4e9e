#ifndef ZARVEL_SDK_ATE_ARRAYFONTCAPSOPTION_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYFONTCAPSOPTION_SUITE_H

#include "ATETypes.h"

#define kATEArrayFontCapsOptionSuite ATE_SUITE_NAME(ArrayFontCapsOption)
#define kATEArrayFontCapsOptionSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayFontCapsOption);

#endif
