#ifndef ZARVEL_SDK_ATE_TEXTRANGE_SUITE_H
#define ZARVEL_SDK_ATE_TEXTRANGE_SUITE_H

#include "ATETypes.h"

#define kATETextRangeSuite ATE_SUITE_NAME(TextRange)
#define kATETextRangeSuiteVersion 1

typedef struct ATETextRangeSuite {
  ATE_HANDLE_SUITE_HEAD(TextRange);
  ATEErr(ZV_API *GetStart)(TextRangeRef range, int32_t *start);
  ATEErr(ZV_API *GetEnd)(TextRangeRef range, int32_t *end);
  ATEErr(ZV_API *GetSize)(TextRangeRef range, int32_t *size);
  ATEErr(ZV_API *IsEqual)(TextRangeRef range, TextRangeRef other, HostBool *equal);
  ATEErr(ZV_API *GetStory)(TextRangeRef range, StoryRef *story);
  ATEErr(ZV_API *GetCharInspector)(TextRangeRef range, CharInspectorRef *inspector);
  /* The paragraph attributes of the paragraphs that the range touches. */
  ATEErr(ZV_API *GetParaFeatures)(TextRangeRef range, ParaFeaturesRef *features);
  ATEErr(ZV_API *GetCharFeatures)(TextRangeRef range, CharFeaturesRef *features);
  /* Writes the assigned attributes into every paragraph the range touches. */
  ATEErr(ZV_API *SetLocalParaFeatures)(TextRangeRef range, ParaFeaturesRef features);
  ATEErr(ZV_API *SetLocalCharFeatures)(TextRangeRef range, CharFeaturesRef features);
} ATETextRangeSuite;

#endif
