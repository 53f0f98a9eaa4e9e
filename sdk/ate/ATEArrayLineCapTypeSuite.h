#ifndef ZARVEL_SDK_ATE_ARRAYLINECAPTYPE_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYLINECAPTYPE_SUITE_H

#include "ATETypes.h"

#define kATEArrayLineCapTypeSuite ATE_SUITE_NAME(ArrayLineCapType)
#define kATEArrayLineCapTypeSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayLineCapType);

#endif
