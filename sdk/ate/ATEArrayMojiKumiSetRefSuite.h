#ifndef ZARVEL_SDK_ATE_ARRAYMOJIKUMISETREF_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYMOJIKUMISETREF_SUITE_H

#include "ATETypes.h"

#define kATEArrayMojiKumiSetRefSuite ATE_SUITE_NAME(ArrayMojiKumiSetRef)
#define kATEArrayMojiKumiSetRefSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayMojiKumiSetRef);

#endif
