#ifndef ZARVEL_SDK_ATE_ARRAYGLYPHID_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYGLYPHID_SUITE_H

#include "ATETypes.h"

#define kATEArrayGlyphIDSuite ATE_SUITE_NAME(ArrayGlyphID)
#define kATEArrayGlyphIDSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayGlyphID);

#endif
