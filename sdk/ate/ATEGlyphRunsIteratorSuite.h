#ifndef ZARVEL_SDK_ATE_GLYPHRUNSITERATOR_SUITE_H
#define ZARVEL_SDK_ATE_GLYPHRUNSITERATOR_SUITE_H

#include "ATETypes.h"

#define kATEGlyphRunsIteratorSuite ATE_SUITE_NAME(GlyphRunsIterator)
#define kATEGlyphRunsIteratorSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(GlyphRunsIterator);

#endif
