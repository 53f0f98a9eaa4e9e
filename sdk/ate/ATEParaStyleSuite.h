#ifndef ZARVEL_SDK_ATE_PARASTYLE_SUITE_H
#define ZARVEL_SDK_ATE_PARASTYLE_SUITE_H

#include "ATETypes.h"

#define kATEParaStyleSuite ATE_SUITE_NAME(ParaStyle)
#define kATEParaStyleSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ParaStyle);

#endif
