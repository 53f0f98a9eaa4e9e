// The two views of the selection: the document's text selection, and the text frames
// selected as a whole with their text ranges.
#pragma once

#include "HostTypes.h"
#include "text/ATEWrappers.h"

// Assigns the document's text selection to `ranges`; leaves it as it was on failure.
void GetTextRanges(ATE::ITextRanges &ranges);
// Assigns the text range of each selected text frame in turn to `range` (the last wins) and
// the last art object reached to *art.
void GetTextRange(AIArtHandle *art, ATE::ITextRange &range);
// The paragraph features of the last selected text frame's range, or an empty set.
ATE::IParaFeatures GetParaFeature(AIArtHandle *art);
