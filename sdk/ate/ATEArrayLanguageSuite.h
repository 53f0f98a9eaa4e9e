#ifndef ZARVEL_SDK_ATE_ARRAYLANGUAGE_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYLANGUAGE_SUITE_H

#include "ATETypes.h"

#define kATEArrayLanguageSuite ATE_SUITE_NAME(ArrayLanguage)
#define kATEArrayLanguageSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayLanguage);

#endif
