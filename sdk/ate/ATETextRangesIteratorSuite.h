#ifndef ZARVEL_SDK_ATE_TEXTRANGESITERATOR_SUITE_H
#define ZARVEL_SDK_ATE_TEXTRANGESITERATOR_SUITE_H

#include "ATETypes.h"

#define kATETextRangesIteratorSuite ATE_SUITE_NAME(TextRangesIterator)
#define kATETextRangesIteratorSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(TextRangesIterator);

#endif
