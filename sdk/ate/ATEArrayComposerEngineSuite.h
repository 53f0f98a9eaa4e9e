#ifndef ZARVEL_SDK_ATE_ARRAYCOMPOSERENGINE_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYCOMPOSERENGINE_SUITE_H

#include "ATETypes.h"

#define kATEArrayComposerEngineSuite ATE_SUITE_NAME(ArrayComposerEngine)
#define kATEArrayComposerEngineSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayComposerEngine);

#endif
