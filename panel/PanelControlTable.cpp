#include "panel/PanelControlTable.h"

#include <algorithm>

#include "base/HostSuites.h"
#include "commands/CharacterCommands.h"
#include "commands/ComposerCommands.h"
#include "commands/ParagraphCommands.h"
#include "commands/ValueLists.h"
#include "panel/PopupSelection.h"
#include "text/ATEWrappers.h"

namespace panel {

namespace {

// The commands, each with the value its control holds.

HostErr ApplyComposer(ADMItemRef item) {
  const ComposerChoice *choice = ComposerChoiceForEntry(panel::PopupSelection(item));
  if (choice == nullptr) return kHostNoErr;
  AIArtHandle art = nullptr;  // the art the command reached; the panel has no use for it
  return ApplyZarvelComposer(&art, choice->engine == kSecondComposerEngine, choice->everyLine);
}

// A command on the selected frames with the chosen entry's index.
template <HostErr (*Command)(AIArtHandle *, int32_t)>
HostErr ApplyFrameList(ADMItemRef item) {
  AIArtHandle art = nullptr;
  return Command(&art, panel::PopupSelection(item));
}

// A command on the selected characters with the chosen entry's index.
template <HostErr (*Command)(int32_t)>
HostErr ApplyCharacterList(ADMItemRef item) {
  return Command(panel::PopupSelection(item));
}

template <HostErr (*Command)(float)>
HostErr ApplyOffset(ADMItemRef item) {
  return Command(Require(gADMItemSuite).GetFloatValue(item));
}

HostErr ApplyKashidas(ADMItemRef item) {
  return SetKashidasCheckBox(Require(gADMItemSuite).GetBooleanValue(item) != 0 ? 1 : 0);
}

}  // namespace

const std::array<PanelControl, kControlCount> kControls = {{
    {5, "Composer", 16060, 0, nullptr, "PopupProc",
     "ZarvelNonModalDialog::PopupProc: Didn't set the zarvel composer", ApplyComposer,
     "ResetComposerMenuItem", ComposerReading{}},
    {6, "Character Direction", 16061, 1, &lists::kDirOverrides, "CharacterDirectionPopupProc",
     "ZarvelNonModalDialog::CharacterDirectionPopupProc: Didn't SetCharacterDirection",
     ApplyCharacterList<SetCharacterDirection>, "ResetCharacterDirectionMenuItem",
     RunListReading{[](const ATE::ICharFeatures &f) { return f.GetDirOverride(); }}},
    {7, "Paragraph Direction", 16062, 0, &lists::kParagraphDirections,
     "ParagraphDirectionPopupProc",
     "ZarvelNonModalDialog::ParagraphDirectionPopupProc: Didn't SetParagraphDirection",
     ApplyFrameList<SetParagraphDirection>, "ResetParagraphDirectionMenuItem",
     ParagraphListReading{[](const ATE::IParaFeatures &f) { return f.GetParagraphDirection(); }}},
    {8, "Justification", 16063, 0, &lists::kJustificationMethods, "JustificationPopupProc",
     "ZarvelNonModalDialog::JustificationPopupProc: Didn't SetJustification",
     ApplyFrameList<SetJustification>, "ResetJustificationMenuItem",
     ParagraphListReading{[](const ATE::IParaFeatures &f) { return f.GetJustificationMethod(); }}},
    {9, "Digits", 16064, 1, &lists::kDigitSets, "DigitsPopupProc",
     "ZarvelNonModalDialog::DigitsPopupProc: Didn't SetDigit", ApplyCharacterList<SetDigit>,
     "ResetDigitsMenuItem",
     RunListReading{[](const ATE::ICharFeatures &f) { return f.GetDigitSet(); }}},
    {10, "Diacritics Position", 16065, 1, &lists::kDiacVPositions, "DiacriticsPositionPopupProc",
     "ZarvelNonModalDialog::DiacriticsPositionPopupProc : Didn't set DiacriticsPosition",
     ApplyCharacterList<SetDiacriticsPosition>, "ResetDiacriticsPositionMenuItem",
     RunListReading{[](const ATE::ICharFeatures &f) { return f.GetDiacVPos(); }}},
    // The offsets start on the entry "0", between the two separators.
    {11, "X", 16066, 5, nullptr, "DiacriticsXOffsetPopupProc",
     "ZarvelNonModalDialog::DiacriticsXOffsetPopupProc : Didn't set Diacritics XOffset value",
     ApplyOffset<SetDiacriticsXOffset>, "ResetDiacriticsXOffsetMenuItem",
     OffsetReading{[](const ATE::ICharFeatures &f) { return f.GetDiacXOffset(); }}},
    {12, "Y", 16067, 5, nullptr, "DiacriticsYOffsetPopupProc",
     "ZarvelNonModalDialog::DiacriticsYOffsetPopupProc : Didn't set Diacritics YOffset value",
     ApplyOffset<SetDiacriticsYOffset>, "ResetDiacriticsYOffsetMenuItem",
     OffsetReading{[](const ATE::ICharFeatures &f) { return f.GetDiacYOffset(); }}},
    {13, "Story Direction", 16068, 0, &lists::kStoryDirections, "StoryDirectionPopupProc", nullptr,
     ApplyFrameList<SetStoryDirection>, "ResetStoryDirectionMenuItem", StoryDirectionReading{}},
    {14, "Kashidas", 0, 1, &lists::kKashidas, "KashidasCheckBoxProc", nullptr, ApplyKashidas,
     "ResetKashidasCheckBox", KashidasReading{}},
}};

const ComposerChoice *ComposerChoiceForEntry(int32_t entry) {
  auto found = std::ranges::find(kComposerChoices, entry, &ComposerChoice::entry);
  return found == std::end(kComposerChoices) ? nullptr : &*found;
}

int32_t ComposerEntryFor(ComposerEngine engine, bool everyLine) {
  auto found = std::ranges::find_if(kComposerChoices, [&](const ComposerChoice &choice) {
    return choice.engine == engine && choice.everyLine == everyLine;
  });
  return found == std::end(kComposerChoices) ? kUnknownComposerEntry : found->entry;
}

}  // namespace panel
