#ifndef ZARVEL_SDK_ATE_GLYPHRUN_SUITE_H
#define ZARVEL_SDK_ATE_GLYPHRUN_SUITE_H

#include "ATETypes.h"

#define kATEGlyphRunSuite ATE_SUITE_NAME(GlyphRun)
#define kATEGlyphRunSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(GlyphRun);

#endif
