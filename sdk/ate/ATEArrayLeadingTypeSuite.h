#ifndef ZARVEL_SDK_ATE_ARRAYLEADINGTYPE_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYLEADINGTYPE_SUITE_H

#include "ATETypes.h"

#define kATEArrayLeadingTypeSuite ATE_SUITE_NAME(ArrayLeadingType)
#define kATEArrayLeadingTypeSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayLeadingType);

#endif
