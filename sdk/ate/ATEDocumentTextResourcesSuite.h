#ifndef ZARVEL_SDK_ATE_DOCUMENTTEXTRESOURCES_SUITE_H
#define ZARVEL_SDK_ATE_DOCUMENTTEXTRESOURCES_SUITE_H

#include "ATETypes.h"

#define kATEDocumentTextResourcesSuite ATE_SUITE_NAME(DocumentTextResources)
#define kATEDocumentTextResourcesSuiteVersion 101

ATE_DECLARE_HANDLE_SUITE(DocumentTextResources);

#endif
