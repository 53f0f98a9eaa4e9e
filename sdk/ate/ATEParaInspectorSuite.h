#ifndef ZARVEL_SDK_ATE_PARAINSPECTOR_SUITE_H
#define ZARVEL_SDK_ATE_PARAINSPECTOR_SUITE_H

#include "ATETypes.h"

#define kATEParaInspectorSuite ATE_SUITE_NAME(ParaInspector)
#define kATEParaInspectorSuiteVersion 101

ATE_DECLARE_HANDLE_SUITE(ParaInspector);

#endif
