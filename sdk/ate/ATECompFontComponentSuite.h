#ifndef ZARVEL_SDK_ATE_COMPFONTCOMPONENT_SUITE_H
#define ZARVEL_SDK_ATE_COMPFONTCOMPONENT_SUITE_H

#include "ATETypes.h"

#define kATECompFontComponentSuite ATE_SUITE_NAME(CompFontComponent)
#define kATECompFontComponentSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(CompFontComponent);

#endif
