#ifndef ZARVEL_SDK_ATE_ARRAYLINEJOINTYPE_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYLINEJOINTYPE_SUITE_H

#include "ATETypes.h"

#define kATEArrayLineJoinTypeSuite ATE_SUITE_NAME(ArrayLineJoinType)
#define kATEArrayLineJoinTypeSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayLineJoinType);

#endif
