#ifndef ZARVEL_SDK_ATE_PARAGRAPH_SUITE_H
#define ZARVEL_SDK_ATE_PARAGRAPH_SUITE_H

#include "ATETypes.h"

#define kATEParagraphSuite ATE_SUITE_NAME(Paragraph)
#define kATEParagraphSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(Paragraph);

#endif
