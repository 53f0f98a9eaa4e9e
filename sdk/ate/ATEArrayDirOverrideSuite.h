#ifndef ZARVEL_SDK_ATE_ARRAYDIROVERRIDE_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYDIROVERRIDE_SUITE_H

#include "ATETypes.h"

#define kATEArrayDirOverrideSuite ATE_SUITE_NAME(ArrayDirOverride)
#define kATEArrayDirOverrideSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayDirOverride);

#endif
