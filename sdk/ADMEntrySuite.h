#ifndef ZARVEL_SDK_ADM_ENTRY_SUITE_H
#define ZARVEL_SDK_ADM_ENTRY_SUITE_H

#include "ADMTypes.h"

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion2 2

typedef struct ADMEntrySuite2 {
  /* Chooses the entry (its list then has it as its one chosen entry) or clears it. */
  void(ZV_API *Select)(ADMEntryRef entry, HostBool select);
  HostBool(ZV_API *IsSelected)(ADMEntryRef entry);
  /* The entry's 0-based position in its list, separators counted. */
  int32_t(ZV_API *GetIndex)(ADMEntryRef entry);
  int32_t(ZV_API *GetID)(ADMEntryRef entry);
  HostBool(ZV_API *IsSeparator)(ADMEntryRef entry);
  void(ZV_API *GetText)(ADMEntryRef entry, char *text, int32_t maxLength);
} ADMEntrySuite2;

#endif
