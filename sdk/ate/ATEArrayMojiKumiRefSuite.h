#ifndef ZARVEL_SDK_ATE_ARRAYMOJIKUMIREF_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYMOJIKUMIREF_SUITE_H

#include "ATETypes.h"

#define kATEArrayMojiKumiRefSuite ATE_SUITE_NAME(ArrayMojiKumiRef)
#define kATEArrayMojiKumiRefSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayMojiKumiRef);

#endif
