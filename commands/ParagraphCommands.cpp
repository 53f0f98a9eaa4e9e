#include "commands/ParagraphCommands.h"

#include <optional>

#include "commands/ListValues.h"
#include "commands/ValueLists.h"
#include "text/SelectedFrameWalk.h"
#include "text/TracedOperation.h"

namespace {

// The texts one frame command traces.
struct FrameCommandTexts {
  const char *start;
  const char *indexFailure;
  const char *frameFailure;
  const char *end;
};

// Writes the list value of `index` (if it has one) into the paragraph features of every
// selected frame's range and applies them back.
HostErr WriteParagraphAttribute(const FrameCommandTexts &texts, AIArtHandle *art,
                                const ListValues &values, int32_t index,
                                void (ATE::IParaFeatures::*set)(int32_t) const) {
  return RunTraced(texts.start, texts.end, [&] {
    return WalkSelectedFrames(art, texts.indexFailure, texts.frameFailure,
                              [&](const ATE::ITextRange &range) {
                                ATE::IParaFeatures features = range.GetParaFeatures();
                                if (const auto value = values.At(index)) (features.*set)(*value);
                                range.SetLocalParaFeatures(features);
                                return FrameWalk::Continue;
                              });
  });
}

}  // namespace

HostErr SetParagraphDirection(AIArtHandle *art, int32_t index) {
  static constexpr FrameCommandTexts kTexts{
      "SetParagraphDirection: Start",
      "SetParagraphDirection : Didn't able to retrieve the artset with index no.( IndexArtSet )",
      "SetParagraphDirection : didn't able to retrieve ATE textframe OBJECT corresponding "
      "illustrator Textframe OBJECT ( GetATETextFrame )",
      "SetParagraphDirection: End"};
  return WriteParagraphAttribute(kTexts, art, lists::kParagraphDirections, index,
                                 &ATE::IParaFeatures::SetParagraphDirection);
}

HostErr SetJustification(AIArtHandle *art, int32_t index) {
  static constexpr FrameCommandTexts kTexts{
      "SetJustification: Start",
      "SetJustification : Didn't able to retrieve the artset with index no.( IndexArtSet )",
      "SetJustification : didn't able to retrieve ATE textframe OBJECT corresponding "
      "illustrator Textframe OBJECT ( GetATETextFrame )",
      "SetJustification: End"};
  return WriteParagraphAttribute(kTexts, art, lists::kJustificationMethods, index,
                                 &ATE::IParaFeatures::SetJustificationMethod);
}

HostErr SetStoryDirection(AIArtHandle *art, int32_t index) {
  return RunTraced("SetStoryDirection: Start", "SetStoryDirection: End", [&] {
    // Holds the last story's first frame until the command ends.
    ATE::ITextFrame frame;
    return WalkSelectedFrames(
        art, "SetStoryDirection: Didn't able to retrieve the artset with index no.( IndexArtSet )",
        "SetStoryDirection : didn't able to retrieve ATE textframe OBJECT corresponding "
        "illustrator Textframe OBJECT ( GetATETextFrame )",
        [&](const ATE::ITextRange &range) {
          frame = range.GetStory().GetFrame(0);
          if (const auto value = lists::kStoryDirections.At(index)) frame.SetStoryDirection(*value);
          return FrameWalk::Continue;
        });
  });
}
