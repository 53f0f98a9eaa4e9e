#ifndef ZARVEL_SDK_ATE_ARRAYFIGURESTYLE_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYFIGURESTYLE_SUITE_H

#include "ATETypes.h"

#define kATEArrayFigureStyleSuite ATE_SUITE_NAME(ArrayFigureStyle)
#define kATEArrayFigureStyleSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayFigureStyle);

#endif
