#ifndef ZARVEL_SDK_ATE_TEXTRESOURCES_SUITE_H
#define ZARVEL_SDK_ATE_TEXTRESOURCES_SUITE_H

#include "ATETypes.h"

#define kATETextResourcesSuite ATE_SUITE_NAME(TextResources)
#define kATETextResourcesSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(TextResources);

#endif
