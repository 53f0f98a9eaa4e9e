#ifndef ZARVEL_SDK_ATE_TEXTLINE_SUITE_H
#define ZARVEL_SDK_ATE_TEXTLINE_SUITE_H

#include "ATETypes.h"

#define kATETextLineSuite ATE_SUITE_NAME(TextLine)
#define kATETextLineSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(TextLine);

#endif
