#ifndef ZARVEL_SDK_ATE_ARRAYBURASAGARITYPE_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYBURASAGARITYPE_SUITE_H

#include "ATETypes.h"

#define kATEArrayBurasagariTypeSuite ATE_SUITE_NAME(ArrayBurasagariType)
#define kATEArrayBurasagariTypeSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayBurasagariType);

#endif
