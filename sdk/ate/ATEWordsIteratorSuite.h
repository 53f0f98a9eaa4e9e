#ifndef ZARVEL_SDK_ATE_WORDSITERATOR_SUITE_H
#define ZARVEL_SDK_ATE_WORDSITERATOR_SUITE_H

#include "ATETypes.h"

#define kATEWordsIteratorSuite ATE_SUITE_NAME(WordsIterator)
#define kATEWordsIteratorSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(WordsIterator);

#endif
