#ifndef ZARVEL_SDK_ATE_TABSTOPSITERATOR_SUITE_H
#define ZARVEL_SDK_ATE_TABSTOPSITERATOR_SUITE_H

#include "ATETypes.h"

#define kATETabStopsIteratorSuite ATE_SUITE_NAME(TabStopsIterator)
#define kATETabStopsIteratorSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(TabStopsIterator);

#endif
