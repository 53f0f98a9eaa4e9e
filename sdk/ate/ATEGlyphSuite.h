#ifndef ZARVEL_SDK_ATE_GLYPH_SUITE_H
#define ZARVEL_SDK_ATE_GLYPH_SUITE_H

#include "ATETypes.h"

#define kATEGlyphSuite ATE_SUITE_NAME(Glyph)
#define kATEGlyphSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(Glyph);

#endif
