// The panel's controls as one table: for each control its item, the label beside it, the
// menu resource that fills its list, the entry it starts on, the values its entries write,
// its notify procedure's name, its command and how its reset reads the selected text. The
// dialog's set-up, the notify procedures, the selection resets and the enabling of the
// controls all walk this table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <variant>

#include "ADMTypes.h"
#include "HostTypes.h"
#include "ate/ATETypes.h"

struct ListValues;

namespace ATE {
class ICharFeatures;
class IParaFeatures;
}  // namespace ATE

namespace panel {

// How a reset reads the selected text and shows what it read.
// The composer pair of the selected frames, shown as the entry that names it.
struct ComposerReading {};
// One value per selected run: the entry that writes a uniform value, else "Multiple".
struct RunListReading {
  int32_t (*read)(const ATE::ICharFeatures &features);
};
// The paragraph features of the selected frames: the entry that writes the value.
struct ParagraphListReading {
  int32_t (*read)(const ATE::IParaFeatures &features);
};
// One offset per selected run: a uniform offset, else 0.
struct OffsetReading {
  float (*read)(const ATE::ICharFeatures &features);
};
// The story direction of the selected frame's story.
struct StoryDirectionReading {};
// Every kashidas value of the selected runs: checked and enabled as they agree.
struct KashidasReading {};
using Reading = std::variant<ComposerReading, RunListReading, ParagraphListReading, OffsetReading,
                             StoryDirectionReading, KashidasReading>;

struct PanelControl {
  int32_t itemID;
  const char *label;   // the control's own text, or the static text just before it
  int32_t menuResID;   // the menu resource that fills its list; 0 for the check box
  int32_t startEntry;  // the entry it starts on; for the check box 1 (checked)
  // Entry i writes values->At(i), and a value is shown at values->EntryOf(value); null where
  // the entries are not single values (the composer pairs, the offsets' numbers).
  const ListValues *values;
  const char *procName;                 // the notify procedure's name in its trace lines
  const char *commandFailure;           // traced when the command fails; null where not examined
  HostErr (*command)(ADMItemRef item);  // writes the control's value into the selected text
  const char *resetName;                // the reset's name in trace lines and failure texts
  Reading reading;
};

inline constexpr size_t kControlCount = 10;
// In the order the selection resets run; enabling and disabling go the same way.
extern const std::array<PanelControl, kControlCount> kControls;

// The notify procedure of a row of kControls.
ADMItemNotifyProc NotifyProcOf(const PanelControl &control);

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

// Run lists keep "Multiple" at entry 0 and show the first entry when there are no runs.
inline constexpr int32_t kMultipleEntry = 0;
inline constexpr int32_t kNoRunsEntry = 1;

}  // namespace panel
