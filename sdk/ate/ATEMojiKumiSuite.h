#ifndef ZARVEL_SDK_ATE_MOJIKUMI_SUITE_H
#define ZARVEL_SDK_ATE_MOJIKUMI_SUITE_H

#include "ATETypes.h"

#define kATEMojiKumiSuite ATE_SUITE_NAME(MojiKumi)
#define kATEMojiKumiSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(MojiKumi);

#endif
