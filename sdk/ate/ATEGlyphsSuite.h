#ifndef ZARVEL_SDK_ATE_GLYPHS_SUITE_H
#define ZARVEL_SDK_ATE_GLYPHS_SUITE_H

#include "ATETypes.h"

#define kATEGlyphsSuite ATE_SUITE_NAME(Glyphs)
#define kATEGlyphsSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(Glyphs);

#endif
