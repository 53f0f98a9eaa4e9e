// The walk over the text frames selected as a whole, shared by the selection readers and
// the frame commands.
#pragma once

#include <cstdint>

#include "HostTypes.h"
#include "base/HostSuites.h"
#include "base/Trace.h"
#include "text/ATEWrappers.h"
#include "text/OwnedArtSet.h"
#include "text/SelectedFrameSet.h"

// What a frame's work tells the walk.
enum class FrameWalk { Continue, Stop };

// Visits each selected text frame in art set order with its text range. The art object
// reached is stored in *art (when given). An art set index that cannot be had is traced
// with `indexFailure` and skipped; a frame without a text range is traced with
// `frameFailure` and ends the walk. Returns the code of the last of these requests. An
// exception from `perFrame` passes on after the art set is disposed of.
template <class PerFrame>
HostErr WalkSelectedFrames(AIArtHandle *art, const char *indexFailure, const char *frameFailure,
                           PerFrame &&perFrame) {
  OwnedArtSet artSet;
  int32_t count = 0;
  GetCountArtSet(artSet.Address(), &count);
  HostErr result = kHostNoErr;
  for (int32_t index = 0; index < count; ++index) {
    AIArtHandle frame = nullptr;
    result = Require(gAIArtSetSuite).IndexArtSet(artSet.Get(), index, &frame);
    if (result != kHostNoErr) {
      Trace(indexFailure);
      continue;
    }
    if (art != nullptr) *art = frame;
    TextRangeRef rangeRef = nullptr;
    result = Require(gAITextFrameSuite).GetATETextRange(frame, &rangeRef);
    if (result != kHostNoErr) {
      Trace(frameFailure);
      break;
    }
    ATE::ITextRange range(rangeRef);
    if (perFrame(range) == FrameWalk::Stop) break;
  }
  return result;
}
