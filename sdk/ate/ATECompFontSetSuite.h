#ifndef ZARVEL_SDK_ATE_COMPFONTSET_SUITE_H
#define ZARVEL_SDK_ATE_COMPFONTSET_SUITE_H

#include "ATETypes.h"

#define kATECompFontSetSuite ATE_SUITE_NAME(CompFontSet)
#define kATECompFontSetSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(CompFontSet);

#endif
