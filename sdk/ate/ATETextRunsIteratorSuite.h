#ifndef ZARVEL_SDK_ATE_TEXTRUNSITERATOR_SUITE_H
#define ZARVEL_SDK_ATE_TEXTRUNSITERATOR_SUITE_H

#include "ATETypes.h"

#define kATETextRunsIteratorSuite ATE_SUITE_NAME(TextRunsIterator)
#define kATETextRunsIteratorSuiteVersion 1

typedef struct ATETextRunsIteratorSuite {
  ATE_HANDLE_SUITE_HEAD(TextRunsIterator);
  ATEErr(ZV_API *MoveToFirst)(TextRunsIteratorRef runs);
  /* True while the iterator stands on a run. */
  ATEErr(ZV_API *IsNotDone)(TextRunsIteratorRef runs, HostBool *notDone);
  ATEErr(ZV_API *Next)(TextRunsIteratorRef runs);
  /* The current run as a range; fails when the walk is done. */
  ATEErr(ZV_API *Item)(TextRunsIteratorRef runs, TextRangeRef *run);
} ATETextRunsIteratorSuite;

#endif
