#ifndef ZARVEL_SDK_ATE_COMPFONTCLASSSET_SUITE_H
#define ZARVEL_SDK_ATE_COMPFONTCLASSSET_SUITE_H

#include "ATETypes.h"

#define kATECompFontClassSetSuite ATE_SUITE_NAME(CompFontClassSet)
#define kATECompFontClassSetSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(CompFontClassSet);

#endif
