#ifndef ZARVEL_SDK_ATE_GLYPHSITERATOR_SUITE_H
#define ZARVEL_SDK_ATE_GLYPHSITERATOR_SUITE_H

#include "ATETypes.h"

#define kATEGlyphsIteratorSuite ATE_SUITE_NAME(GlyphsIterator)
#define kATEGlyphsIteratorSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(GlyphsIterator);

#endif
