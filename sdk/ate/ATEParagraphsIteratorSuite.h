#ifndef ZARVEL_SDK_ATE_PARAGRAPHSITERATOR_SUITE_H
#define ZARVEL_SDK_ATE_PARAGRAPHSITERATOR_SUITE_H

#include "ATETypes.h"

#define kATEParagraphsIteratorSuite ATE_SUITE_NAME(ParagraphsIterator)
#define kATEParagraphsIteratorSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ParagraphsIterator);

#endif
