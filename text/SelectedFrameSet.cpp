#include "text/SelectedFrameSet.h"

#include "base/HostSuites.h"
#include "base/Trace.h"
#include "text/TracedOperation.h"

void GetCountArtSet(AIArtSet *artSet, int32_t *count) {
  RunTraced("GetCountArtSet: Start", "GetCountArtSet: End", [&] {
    const AIArtSetSuite6 &suite = Require(gAIArtSetSuite);
    if (suite.NewArtSet(artSet) != kHostNoErr) {
      Trace("GetCountArtSet : Didn't create the new artset ( NewArtSet )");
      return;
    }
    // Text frames selected as a whole.
    AIArtMatch wholeFrames{kTextFrameArt, kArtFullySelected, kArtFullySelected};
    if (suite.MatchingArtSet(&wholeFrames, 1, *artSet) != kHostNoErr) {
      Trace("GetCountArtSet : Didn't Match the artset with desired one ( MatchingArtSet )");
      return;
    }
    if (suite.CountArtSet(*artSet, count) != kHostNoErr) {
      Trace("GetCountArtSet : Didn't able to count total Artset ( CountArtSet )");
    }
  });
}
