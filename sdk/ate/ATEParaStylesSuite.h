#ifndef ZARVEL_SDK_ATE_PARASTYLES_SUITE_H
#define ZARVEL_SDK_ATE_PARASTYLES_SUITE_H

#include "ATETypes.h"

#define kATEParaStylesSuite ATE_SUITE_NAME(ParaStyles)
#define kATEParaStylesSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ParaStyles);

#endif
