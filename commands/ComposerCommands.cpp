#include "commands/ComposerCommands.h"

#include "text/SelectedFrameWalk.h"
#include "text/TracedOperation.h"

namespace {
// The composer engine of the "Adobe" entries, and of the "Zarvel" entries.
constexpr ComposerEngine kFirstEngine = 0;
constexpr ComposerEngine kSecondEngine = 1;
}  // namespace

HostErr ApplyZarvelComposer(AIArtHandle *art, bool useSecondEngine, bool everyLine) {
  return RunTraced("ApplyZarvelComposer: Start", "ApplyZarvelComposer: End", [&] {
    return WalkSelectedFrames(
        art,
        "ApplyZarvelComposer : Didn't able to retrieve the artset with index no.( IndexArtSet )",
        "ApplyZarvelComposer : didn't able to retrieve ATE textframe OBJECT corresponding "
        "illustrator Textframe OBJECT ( GetATETextFrame )",
        [&](const ATE::ITextRange &range) {
          ATE::IParaFeatures features = range.GetParaFeatures();
          features.SetComposerEngine(useSecondEngine ? kSecondEngine : kFirstEngine);
          features.SetEveryLineComposer(everyLine);
          range.SetLocalParaFeatures(features);
          // Only the first frame that the art set gives is changed.
          return FrameWalk::Stop;
        });
  });
}

HostErr IsSingleLineComposer(AIArtHandle *art, bool *everyLine) {
  return RunTraced("IsSingleLineComposer: Start", "IsSingleLineComposer: End", [&] {
    return WalkSelectedFrames(
        art,
        "IsSingleLineComposer : Didn't able to retrieve the artset with index no.( IndexArtSet )",
        "IsSingleLineComposer : didn't able to retrieve ATE textframe OBJECT corresponding "
        "illustrator Textframe OBJECT ( GetATETextFrame )",
        [&](const ATE::ITextRange &range) {
          bool assigned = false;
          const bool value = range.GetParaFeatures().GetEveryLineComposer(&assigned);
          if (everyLine != nullptr) *everyLine = value;
          return FrameWalk::Continue;
        });
  });
}

HostErr GetComposerEngin(AIArtHandle *art, int32_t *engine, bool *everyLine) {
  return RunTraced("GetComposerEngin: Start", "GetComposerEngin: End", [&] {
    return WalkSelectedFrames(
        art, "GetComposerEngin : Didn't able to retrieve the artset with index no.( IndexArtSet )",
        "GetComposerEngin : didn't able to retrieve ATE textframe OBJECT corresponding "
        "illustrator Textframe OBJECT ( GetATETextFrame )",
        [&](const ATE::ITextRange &range) {
          const ATE::IParaFeatures features = range.GetParaFeatures();
          bool assigned = false;
          const ComposerEngine value = features.GetComposerEngine(&assigned);
          if (engine != nullptr) *engine = value;
          const bool flag = features.GetEveryLineComposer(&assigned);
          if (everyLine != nullptr) *everyLine = flag;
          return FrameWalk::Continue;
        });
  });
}
