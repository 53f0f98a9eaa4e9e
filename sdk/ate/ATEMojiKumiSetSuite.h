#ifndef ZARVEL_SDK_ATE_MOJIKUMISET_SUITE_H
#define ZARVEL_SDK_ATE_MOJIKUMISET_SUITE_H

#include "ATETypes.h"

#define kATEMojiKumiSetSuite ATE_SUITE_NAME(MojiKumiSet)
#define kATEMojiKumiSetSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(MojiKumiSet);

#endif
