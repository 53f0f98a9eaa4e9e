#ifndef ZARVEL_SDK_AI_ART_SET_SUITE_H
#define ZARVEL_SDK_AI_ART_SET_SUITE_H

#include "HostTypes.h"

#define kAIArtSetSuite "AI Art Set Suite"
#define kAIArtSetSuiteVersion6 6

/* Art types and attribute flags that a match names. */
enum { kAnyArt = -1, kPathArt = 2, kTextFrameArt = 12 };
enum { kArtSelected = 0x1, kArtLocked = 0x2, kArtHidden = 0x4, kArtFullySelected = 0x8 };

/* Matches art of `type` whose attributes, masked by whichAttr, equal attr. */
typedef struct AIArtMatch {
  int16_t type;
  int32_t whichAttr;
  int32_t attr;
} AIArtMatch;

typedef struct AIArtSetSuite6 {
  /* A new empty art set, owned by the caller until DisposeArtSet. */
  HostErr(ZV_API *NewArtSet)(AIArtSet *artSet);
  /* Disposes of the set and empties *artSet. */
  HostErr(ZV_API *DisposeArtSet)(AIArtSet *artSet);
  /* Replaces the set's contents by the current document's art that matches any of the
   * matches, in document order. Fails when no document is open. */
  HostErr(ZV_API *MatchingArtSet)(AIArtMatch *matches, int16_t numMatches, AIArtSet artSet);
  HostErr(ZV_API *CountArtSet)(AIArtSet artSet, int32_t *count);
  /* The art at a 0-based index; *art untouched on failure. */
  HostErr(ZV_API *IndexArtSet)(AIArtSet artSet, int32_t index, AIArtHandle *art);
  HostErr(ZV_API *AddArtToArtSet)(AIArtSet artSet, AIArtHandle art);
} AIArtSetSuite6;

#endif
