// The two views of the selection: the document's text selection, and the text frames
// selected as a whole with their text ranges.
#pragma once

#include <cstdint>

#include "HostTypes.h"
#include "text/ATEWrappers.h"

// Makes a new art set of the text frames selected as a whole into *artSet and stores their
// number in *count. Sets neither on failure; the caller disposes of a non-null art set.
void GetCountArtSet(AIArtSet *artSet, int32_t *count);
// Assigns the document's text selection to `ranges`; leaves it as it was on failure.
void GetTextRanges(ATE::ITextRanges &ranges);
// Assigns the text range of each selected text frame in turn to `range` (the last wins) and
// the last art object reached to *art.
void GetTextRange(AIArtHandle *art, ATE::ITextRange &range);
// The paragraph features of the last selected text frame's range, or an empty set.
ATE::IParaFeatures GetParaFeature(AIArtHandle *art);
