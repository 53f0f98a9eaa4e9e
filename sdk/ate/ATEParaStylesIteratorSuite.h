#ifndef ZARVEL_SDK_ATE_PARASTYLESITERATOR_SUITE_H
#define ZARVEL_SDK_ATE_PARASTYLESITERATOR_SUITE_H

#include "ATETypes.h"

#define kATEParaStylesIteratorSuite ATE_SUITE_NAME(ParaStylesIterator)
#define kATEParaStylesIteratorSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ParaStylesIterator);

#endif
