#ifndef ZARVEL_SDK_ATE_APPLICATIONPAINT_SUITE_H
#define ZARVEL_SDK_ATE_APPLICATIONPAINT_SUITE_H

#include "ATETypes.h"

#define kATEApplicationPaintSuite ATE_SUITE_NAME(ApplicationPaint)
#define kATEApplicationPaintSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ApplicationPaint);

#endif
