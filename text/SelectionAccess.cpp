#include "text/SelectionAccess.h"

#include "base/HostSuites.h"
#include "base/Trace.h"
#include "text/SelectedFrameWalk.h"
#include "text/TracedOperation.h"

void GetTextRanges(ATE::ITextRanges &ranges) {
  RunTraced("GetTextRanges: Start", "GetTextRanges: End", [&] {
    TextRangesRef selection = nullptr;
    if (Require(gAIDocumentSuite).GetTextSelection(&selection) != kHostNoErr) {
      Trace("GetTextRanges : Didn't get TextSelection Area");
      return;
    }
    ranges = ATE::ITextRanges(selection);
  });
}

void GetTextRange(AIArtHandle *art, ATE::ITextRange &range) {
  RunTraced("GetTextRange: Start", "GetTextRange: End", [&] {
    WalkSelectedFrames(
        art, "GetTextRange : Didn't able to retrieve the artset with index no.( IndexArtSet )",
        "GetTextRange : didn't able to retrieve ATE textframe OBJECT corresponding illustrator "
        "Textframe OBJECT ( GetATETextFrame )",
        [&](const ATE::ITextRange &frameRange) {
          range = frameRange;
          return FrameWalk::Continue;
        });
  });
}

ATE::IParaFeatures GetParaFeature(AIArtHandle *art) {
  // Starts null so that a failure to make the empty set still leaves something to return.
  ATE::IParaFeatures features{ParaFeaturesRef{}};
  RunTraced("GetParaFeature: Start", "GetParaFeature: End", [&] {
    features = ATE::IParaFeatures();
    WalkSelectedFrames(
        art, "GetParaFeature : Didn't able to retrieve the artset with index no.( IndexArtSet )",
        "GetParaFeature : didn't able to retrieve ATE textframe OBJECT corresponding illustrator "
        "Textframe OBJECT ( GetATETextFrame )",
        [&](const ATE::ITextRange &range) {
          features = range.GetParaFeatures();
          return FrameWalk::Continue;
        });
  });
  return features;
}
