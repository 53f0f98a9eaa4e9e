#ifndef ZARVEL_SDK_AI_DOCUMENT_LIST_SUITE_H
#define ZARVEL_SDK_AI_DOCUMENT_LIST_SUITE_H

#include "HostTypes.h"

#define kAIDocumentListSuite "AI Document List Suite"
#define kAIDocumentListSuiteVersion6 6

typedef struct AIDocumentListSuite6 {
  /* The number of open documents. */
  HostErr(ZV_API *Count)(int32_t *count);
} AIDocumentListSuite6;

#endif
