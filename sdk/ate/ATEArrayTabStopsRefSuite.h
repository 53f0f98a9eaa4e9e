#ifndef ZARVEL_SDK_ATE_ARRAYTABSTOPSREF_SUITE_H
#define ZARVEL_SDK_ATE_ARRAYTABSTOPSREF_SUITE_H

#include "ATETypes.h"

#define kATEArrayTabStopsRefSuite ATE_SUITE_NAME(ArrayTabStopsRef)
#define kATEArrayTabStopsRefSuiteVersion 1

ATE_DECLARE_HANDLE_SUITE(ArrayTabStopsRef);

#endif
