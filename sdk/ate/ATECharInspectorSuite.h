#ifndef ZARVEL_SDK_ATE_CHARINSPECTOR_SUITE_H
#define ZARVEL_SDK_ATE_CHARINSPECTOR_SUITE_H

#include "ATETypes.h"

#define kATECharInspectorSuite ATE_SUITE_NAME(CharInspector)
#define kATECharInspectorSuiteVersion 101

typedef struct ATECharInspectorSuite {
  ATE_HANDLE_SUITE_HEAD(CharInspector);
  /* For each attribute, the values of the runs of the inspected range, in order. */
  ATEErr(ZV_API *GetKashidas)(CharInspectorRef inspector, ArrayKashidasRef *values);
  ATEErr(ZV_API *GetDirOverride)(CharInspectorRef inspector, ArrayDirOverrideRef *values);
  ATEErr(ZV_API *GetDigitSet)(CharInspectorRef inspector, ArrayDigitSetRef *values);
  ATEErr(ZV_API *GetDiacVPos)(CharInspectorRef inspector, ArrayDiacVPosRef *values);
} ATECharInspectorSuite;

#endif
