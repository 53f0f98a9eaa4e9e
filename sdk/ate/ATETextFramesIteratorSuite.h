#ifndef ZARVEL_SDK_ATE_TEXTFRAMESITERATOR_SUITE_H
#define ZARVEL_SDK_ATE_TEXTFRAMESITERATOR_SUITE_H

#include "ATETypes.h"

#define kATETextFramesIteratorSuite ATE_SUITE_NAME(TextFramesIterator)
#define kATETextFramesIteratorSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(TextFramesIterator);

#endif
