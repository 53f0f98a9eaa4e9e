#ifndef ZARVEL_SDK_ATE_COMPFONTCLASS_SUITE_H
#define ZARVEL_SDK_ATE_COMPFONTCLASS_SUITE_H

#include "ATETypes.h"

#define kATECompFontClassSuite ATE_SUITE_NAME(CompFontClass)
#define kATECompFontClassSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(CompFontClass);

#endif
