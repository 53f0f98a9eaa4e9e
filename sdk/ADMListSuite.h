#ifndef ZARVEL_SDK_ADM_LIST_SUITE_H
#define ZARVEL_SDK_ADM_LIST_SUITE_H

#include "ADMTypes.h"

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion1 1

typedef struct ADMListSuite1 {
  /* Replaces the entries by those of menu resource `menuResID` of the list's plug-in,
   * separators included; no entry is chosen afterwards. */
  void(ZV_API *SetMenuID)(ADMListRef list, int32_t menuResID);
  int32_t(ZV_API *GetMenuID)(ADMListRef list);
  int32_t(ZV_API *NumberOfEntries)(ADMListRef list);
  /* The entry at a 0-based index (separators count), or null past the end. */
  ADMEntryRef(ZV_API *IndexEntry)(ADMListRef list, int32_t index);
  /* The chosen entry, or null when none is chosen. */
  ADMEntryRef(ZV_API *GetActiveEntry)(ADMListRef list);
} ADMListSuite1;

#endif
