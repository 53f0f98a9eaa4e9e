#ifndef ZARVEL_SDK_ATE_FONT_SUITE_H
#define ZARVEL_SDK_ATE_FONT_SUITE_H

#include "ATETypes.h"

#define kATEFontSuite ATE_SUITE_NAME(Font)
#define kATEFontSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(Font);

#endif
