#ifndef ZARVEL_SDK_ATE_TEXTRANGES_SUITE_H
#define ZARVEL_SDK_ATE_TEXTRANGES_SUITE_H

#include "ATETypes.h"

#define kATETextRangesSuite ATE_SUITE_NAME(TextRanges)
#define kATETextRangesSuiteVersion 1

typedef struct ATETextRangesSuite {
  ATE_HANDLE_SUITE_HEAD(TextRanges);
  /* A new empty set of ranges. */
  ATEErr(ZV_API *Initialize)(TextRangesRef *ranges);
  ATEErr(ZV_API *GetSize)(TextRangesRef ranges, int32_t *size);
  ATEErr(ZV_API *Item)(TextRangesRef ranges, int32_t index, TextRangeRef *range);
  ATEErr(ZV_API *Add)(TextRangesRef ranges, TextRangeRef range);
  /* The character attributes over all ranges: an attribute with one value throughout is
   * assigned; one that varies is unassigned and reads as the value at the first start. */
  ATEErr(ZV_API *GetCharFeatures)(TextRangesRef ranges, CharFeaturesRef *features);
  /* Writes the assigned attributes of the features into every range. */
  ATEErr(ZV_API *SetLocalCharFeatures)(TextRangesRef ranges, CharFeaturesRef features);
  /* An iterator over the text runs of the ranges, in order, placed on the first run. */
  ATEErr(ZV_API *GetTextRunsIterator)(TextRangesRef ranges, TextRunsIteratorRef *runs);
} ATETextRangesSuite;

#endif
