#ifndef ZARVEL_SDK_ATE_VERSIONINFO_SUITE_H
#define ZARVEL_SDK_ATE_VERSIONINFO_SUITE_H

#include "ATETypes.h"

#define kATEVersionInfoSuite ATE_SUITE_NAME(VersionInfo)
#define kATEVersionInfoSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(VersionInfo);

#endif
