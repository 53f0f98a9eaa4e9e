#ifndef ZARVEL_SDK_AI_DOCUMENT_SUITE_H
#define ZARVEL_SDK_AI_DOCUMENT_SUITE_H

#include "HostTypes.h"
#include "ate/ATETypes.h"

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion12 12

typedef struct AIDocumentSuite12 {
  /* The current document's selected text as a set of ranges, with one reference for the
   * caller; *ranges untouched on failure (no document open). */
  HostErr(ZV_API *GetTextSelection)(TextRangesRef *ranges);
  /* True when the current document has a text selection. */
  HostErr(ZV_API *HasTextSelection)(HostBool *hasSelection);
} AIDocumentSuite12;

#endif
