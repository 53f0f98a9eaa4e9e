#ifndef ZARVEL_SDK_ATE_TEXTLINESITERATOR_SUITE_H
#define ZARVEL_SDK_ATE_TEXTLINESITERATOR_SUITE_H

#include "ATETypes.h"

#define kATETextLinesIteratorSuite ATE_SUITE_NAME(TextLinesIterator)
#define kATETextLinesIteratorSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(TextLinesIterator);

#endif
