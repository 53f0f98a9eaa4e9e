#include "commands/CharacterCommands.h"

#include <optional>

#include "base/HostSuites.h"
#include "base/Trace.h"
#include "commands/ListValues.h"
#include "commands/ValueLists.h"
#include "text/ATEWrappers.h"
#include "text/OwnedArtSet.h"
#include "text/SelectedFrameSet.h"
#include "text/SelectionAccess.h"
#include "text/TracedOperation.h"

namespace {

// How the number of selected ranges governs the write.
enum class RangeCount {
  Ignored,        // set and apply whatever the selection holds
  Required,       // set and apply only when the selection has ranges
  RequiredToSet,  // set only when it has ranges, apply in any case
};

// Gets the text selection (a failure is traced with `selectionFailure` and is the result),
// lets `set` write into its character features and applies them back to it.
template <class Set>
HostErr WriteSelectionCharFeatures(const char *selectionFailure, RangeCount rangeCount, Set &&set) {
  TextRangesRef selection = nullptr;
  const HostErr result = Require(gAIDocumentSuite).GetTextSelection(&selection);
  if (result != kHostNoErr) {
    Trace(selectionFailure);
    return result;
  }
  const ATE::ITextRanges ranges(selection);
  const ATE::ICharFeatures features = ranges.GetCharFeatures();
  const bool hasRanges = rangeCount == RangeCount::Ignored || ranges.GetSize() > 0;
  if (hasRanges) set(features);
  if (hasRanges || rangeCount == RangeCount::RequiredToSet) ranges.SetLocalCharFeatures(features);
  return kHostNoErr;
}

// The texts one character command traces.
struct CharacterCommandTexts {
  const char *start;
  const char *selectionFailure;
  const char *end;
};

// A list command: the entry's value, if it has one, goes into the selected characters.
HostErr WriteListValue(const CharacterCommandTexts &texts, const ListValues &values, int32_t index,
                       void (ATE::ICharFeatures::*set)(int32_t) const) {
  return RunTraced(texts.start, texts.end, [&] {
    return WriteSelectionCharFeatures(texts.selectionFailure, RangeCount::Required,
                                      [&](const ATE::ICharFeatures &features) {
                                        if (const auto value = values.At(index)) {
                                          (features.*set)(*value);
                                        }
                                      });
  });
}

// An offset command: writes only when a text frame is selected as a whole.
HostErr WriteOffset(const CharacterCommandTexts &texts, float offset,
                    void (ATE::ICharFeatures::*set)(float) const) {
  return RunTraced(texts.start, texts.end, [&]() -> HostErr {
    OwnedArtSet artSet;
    int32_t count = 0;
    GetCountArtSet(artSet.Address(), &count);
    if (count == 0) return kHostNoErr;
    return WriteSelectionCharFeatures(
        texts.selectionFailure, RangeCount::Ignored,
        [&](const ATE::ICharFeatures &features) { (features.*set)(offset); });
  });
}

}  // namespace

HostErr SetCharacterDirection(int32_t index) {
  static constexpr CharacterCommandTexts kTexts{
      "SetCharacterDirection: Start", "SetCharacterDirection : Didn't get TextSelection Area",
      "SetCharacterDirection: End"};
  return WriteListValue(kTexts, lists::kDirOverrides, index, &ATE::ICharFeatures::SetDirOverride);
}

HostErr SetDigit(int32_t index) {
  static constexpr CharacterCommandTexts kTexts{
      "SetDigit: Start", "SetDigit : Didn't get TextSelection Area", "SetDigit: End"};
  return WriteListValue(kTexts, lists::kDigitSets, index, &ATE::ICharFeatures::SetDigitSet);
}

HostErr SetDiacriticsPosition(int32_t index) {
  static constexpr CharacterCommandTexts kTexts{
      "SetDiacriticsPosition: Start", "SetDiacriticsPosition : Didn't get TextSelection Area",
      "SetDiacriticsPosition: End"};
  return WriteListValue(kTexts, lists::kDiacVPositions, index, &ATE::ICharFeatures::SetDiacVPos);
}

HostErr SetKashidasCheckBox(int32_t checked) {
  return RunTraced("SetKashidasCheckBox: Start", "SetKashidasCheckBox: End", [&] {
    return WriteSelectionCharFeatures("SetKashidasCheckBox : Didn't get TextSelection Area",
                                      RangeCount::RequiredToSet,
                                      [&](const ATE::ICharFeatures &features) {
                                        features.SetKashidas(*lists::kKashidas.At(checked != 0));
                                      });
  });
}

HostErr SetDiacriticsXOffset(float offset) {
  static constexpr CharacterCommandTexts kTexts{
      "SetDiacriticsXOffset: Start", "SetDiacriticsXOffset : Didn't get TextSelection Area",
      "DiacriticsXOffset: End"};
  return WriteOffset(kTexts, offset, &ATE::ICharFeatures::SetDiacXOffset);
}

HostErr SetDiacriticsYOffset(float offset) {
  static constexpr CharacterCommandTexts kTexts{
      "SetDiacriticsYOffset: Start", "SetDiacriticsYOffset : Didn't get TextSelection Area",
      "DiacriticsYOffset: End"};
  return WriteOffset(kTexts, offset, &ATE::ICharFeatures::SetDiacYOffset);
}
