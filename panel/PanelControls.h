// The panel's controls as data: their item ids, the menu resources that fill their lists,
// and for each control the mapping from the text engine's value to the entry that shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "ate/ATETypes.h"

namespace panel {

inline constexpr int32_t kPanelDialogID = 102;
inline constexpr int32_t kPanelDialogStyle = 3;  // a floating panel that can be docked
inline constexpr char kPanelName[] = "Zarvel";

inline constexpr int32_t kLogoItem = 89;
inline constexpr int32_t kLogoPictureID = 1685;
inline constexpr char kPictureName[] = "logo";
inline constexpr int32_t kPanelMenuResID = 16050;
inline constexpr int32_t kKashidasItem = 14;

// The About box.
inline constexpr char kAboutDialogName[] = "About Zarvel";
inline constexpr int32_t kAboutDialogID = 16040;
inline constexpr int32_t kAboutOKItem = 1;
inline constexpr int32_t kAboutPictureItem = 90;
inline constexpr int32_t kAboutPictureID = 1686;

// A control with a list, and the menu resource that fills it.
struct ListControl {
  int32_t itemID;
  int32_t menuResID;
};

inline constexpr ListControl kComposerList{5, 16060};
inline constexpr ListControl kCharacterDirectionList{6, 16061};
inline constexpr ListControl kParagraphDirectionList{7, 16062};
inline constexpr ListControl kJustificationList{8, 16063};
inline constexpr ListControl kDigitsList{9, 16064};
inline constexpr ListControl kDiacriticsPositionList{10, 16065};
inline constexpr ListControl kDiacriticsXOffsetList{11, 16066};
inline constexpr ListControl kDiacriticsYOffsetList{12, 16067};
inline constexpr ListControl kStoryDirectionList{13, 16068};

// The controls that are enabled and disabled together, in that order.
inline constexpr int32_t kSwitchedItems[] = {5, 6, 7, 8, 9, 10, 11, 12, 13, kKashidasItem};

// One engine value and the list entry that shows it.
struct ValueEntry {
  int32_t value;
  int32_t entry;
};

// The entry that shows `value`, or none when the control has no entry for it.
std::optional<int32_t> EntryForValue(std::span<const ValueEntry> entries, int32_t value);

inline constexpr ValueEntry kDirectionEntries[] = {{0, 0}, {1, 1}};
inline constexpr ValueEntry kJustificationEntries[] = {{0, 0}, {1, 1}, {2, 2}};
// Run-reader lists keep "Multiple" at entry 0, so every value sits one entry further down.
inline constexpr ValueEntry kCharacterDirectionEntries[] = {{0, 1}, {1, 2}, {2, 3}};
inline constexpr ValueEntry kDigitsEntries[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}};
inline constexpr ValueEntry kDiacriticsPositionEntries[] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}};
inline constexpr int32_t kMultipleEntry = 0;
inline constexpr int32_t kNoRunsEntry = 1;

// A uniform kashidas value and whether the box shows it checked (1) or cleared (0).
inline constexpr ValueEntry kKashidasCheckedEntries[] = {{0, 1}, {1, 0}};

// The composer list's four entries and the engine pair each stands for; the handler writes
// the pair of the chosen entry and the reset shows the entry of the pair it reads.
struct ComposerChoice {
  int32_t entry;
  ComposerEngine engine;
  bool everyLine;
};

inline constexpr ComposerEngine kSecondComposerEngine = 1;
inline constexpr ComposerChoice kComposerChoices[] = {{0, 0, false},
                                                      {1, 0, true},
                                                      {2, kSecondComposerEngine, false},
                                                      {3, kSecondComposerEngine, true}};
// An engine that no entry names is shown as the last entry.
inline constexpr int32_t kUnknownComposerEntry = 3;

// The choice behind an entry of the composer list, or null for an index it does not have.
const ComposerChoice *ComposerChoiceForEntry(int32_t entry);
// The entry that shows an engine pair.
int32_t ComposerEntryFor(ComposerEngine engine, bool everyLine);

}  // namespace panel
