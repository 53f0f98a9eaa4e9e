#ifndef ZARVEL_SDK_ATE_CHARSTYLESITERATOR_SUITE_H
#define ZARVEL_SDK_ATE_CHARSTYLESITERATOR_SUITE_H

#include "ATETypes.h"

#define kATECharStylesIteratorSuite ATE_SUITE_NAME(CharStylesIterator)
#define kATECharStylesIteratorSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(CharStylesIterator);

#endif
