#ifndef ZARVEL_SDK_ATE_COMPFONT_SUITE_H
#define ZARVEL_SDK_ATE_COMPFONT_SUITE_H

#include "ATETypes.h"

#define kATECompFontSuite ATE_SUITE_NAME(CompFont)
#define kATECompFontSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(CompFont);

#endif
