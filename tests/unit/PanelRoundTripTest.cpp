// Every entry of every control, chosen in the panel the host builds from the module's
// resources: the value it stands for reaches the document, and once the panel has read the
// selection again the control shows that entry. The meanings are the engine's, written here
// from outside the module.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "PanelHostTest.h"
#include "host/adm/ControlFinder.h"
#include "host/adm/DialogManager.h"

namespace paneltest {
namespace {

using zvhost::ItemKind;
// A control as the host's dialog manager holds it.
using AdmItem = zvhost::Item;

// One frame holding two runs that differ in every character attribute but kashidas, in a
// paragraph and a story whose attributes hold values that no entry writes; and a path.
const char *const kDocument = R"({
  "format": "zarvel-document/1",
  "stories": [{"paragraphs": [{"text": "abcd", "paragraphDirection": 7,
    "justificationMethod": 7, "composerEngine": 7,
    "runs": [{"length": 2, "dirOverride": 0, "digitSet": 0, "diacVPos": 0,
              "diacXOffset": 3, "diacYOffset": 3},
             {"length": 2, "dirOverride": 1, "digitSet": 1, "diacVPos": 1,
              "diacXOffset": 4, "diacYOffset": 4}]}]}],
  "art": [{"kind": "text", "story": 0, "storyDirection": 7}, {"kind": "path"}]
})";

// An entry's text and what choosing it writes; nothing for "Multiple".
struct Meaning {
  const char *entry;
  std::vector<Written> written;
};

struct ControlMeanings {
  const char *label;
  std::vector<Meaning> meanings;
};

Meaning Character(const char *entry, const char *attribute, double value) {
  return {entry, {{kCharacters, attribute, value}}};
}

Meaning Paragraph(const char *entry, const char *attribute, double value) {
  return {entry, {{kParagraph, attribute, value}}};
}

std::vector<Meaning> Offsets(const char *attribute) {
  std::vector<Meaning> meanings;
  for (const char *entry : {"100", "50", "20", "10", "0", "-10", "-20", "-50", "-100"}) {
    meanings.push_back(Character(entry, attribute, std::stod(entry)));
  }
  return meanings;
}

const std::vector<ControlMeanings> &ListMeanings() {
  static const std::vector<ControlMeanings> kMeanings = {
      {"Composer",
       {{"Adobe Single Line",
         {{kParagraph, "composerEngine", 0}, {kParagraph, "everyLineComposer", 0}}},
        {"Adobe Every Line",
         {{kParagraph, "composerEngine", 0}, {kParagraph, "everyLineComposer", 1}}},
        {"Zarvel Single Line",
         {{kParagraph, "composerEngine", 1}, {kParagraph, "everyLineComposer", 0}}},
        {"Zarvel Every Line",
         {{kParagraph, "composerEngine", 1}, {kParagraph, "everyLineComposer", 1}}}}},
      {"Character Direction",
       {{"Multiple", {}},
        Character("Default", "dirOverride", 0),
        Character("Left to right", "dirOverride", 1),
        Character("Right to left", "dirOverride", 2)}},
      {"Paragraph Direction",
       {Paragraph("Left to right", "paragraphDirection", 0),
        Paragraph("Right to left", "paragraphDirection", 1)}},
      {"Justification",
       {Paragraph("Standard", "justificationMethod", 0),
        Paragraph("Arabic", "justificationMethod", 1),
        Paragraph("Naskh", "justificationMethod", 2)}},
      {"Digits",
       {{"Multiple", {}},
        Character("Default", "digitSet", 0),
        Character("Arabic", "digitSet", 1),
        Character("Hindi", "digitSet", 2),
        Character("Farsi", "digitSet", 3)}},
      {"Diacritics Position",
       {{"Multiple", {}},
        Character("None", "diacVPos", 0),
        Character("Loose", "diacVPos", 1),
        Character("Normal", "diacVPos", 2),
        Character("Tight", "diacVPos", 3),
        Character("Open Type", "diacVPos", 4)}},
      {"X", Offsets("diacXOffset")},
      {"Y", Offsets("diacYOffset")},
      {"Story Direction",
       {{"Left to right", {{kStoryDirection, "", 0}}},
        {"Right to left", {{kStoryDirection, "", 1}}}}},
  };
  return kMeanings;
}

class PanelRoundTripTest : public PanelHostTest {
 protected:
  void SetUp() override {
    PanelHostTest::SetUp();
    // A user acts on the panel once its Window menu item has shown it.
    harness_.Run("menu \"Window Utilities/Zarvel/Zarvel\"");
    harness_.Take();
    harness_.TakeTraces();
  }
  // The panel's control as the host's dialog manager holds it.
  static AdmItem &Control(const char *label) {
    const zvhost::Dialog *panel = zvhost::DialogManager::The().Panel();
    if (panel == nullptr) throw std::runtime_error("the host has no panel");
    AdmItem *item = zvhost::FindControl(*panel, label);
    if (item == nullptr) throw std::runtime_error(std::string("no control ") + label);
    return *item;
  }
  // What a list control shows: a popup list its chosen entry, a spin-edit popup its number
  // and the entry its list marks.
  static std::string Shown(const AdmItem &item) {
    const zvhost::Entry *chosen = item.list->chosen;
    std::string marked = chosen == nullptr ? "(none)" : chosen->text;
    if (chosen != nullptr && chosen->separator) marked = "(a separator)";
    if (item.kind != ItemKind::kSpinEditPopup) return marked;
    return zvhost::FormatNumber(item.value) + ", marking " + marked;
  }
  static std::string ShownAfterChoosing(const AdmItem &item, const char *entry) {
    if (item.kind != ItemKind::kSpinEditPopup) return entry;
    return std::string(entry) + ", marking " + entry;
  }
};

TEST_F(PanelRoundTripTest, OpensShowingTheStartingValueInEveryControl) {
  const std::pair<const char *, const char *> kStarting[] = {
      {"Composer", "Adobe Single Line"},
      {"Character Direction", "Default"},
      {"Paragraph Direction", "Left to right"},
      {"Justification", "Standard"},
      {"Digits", "Default"},
      {"Diacritics Position", "None"},
      {"X", "0"},
      {"Y", "0"},
      {"Story Direction", "Left to right"},
  };
  for (const auto &[label, entry] : kStarting) {
    const AdmItem &item = Control(label);
    EXPECT_EQ(Shown(item), ShownAfterChoosing(item, entry)) << label;
  }
  EXPECT_EQ(Control("Kashidas").value, 1);
}

TEST_F(PanelRoundTripTest, EveryEntryIsWrittenReadBackAndShown) {
  for (const ControlMeanings &control : ListMeanings()) {
    SCOPED_TRACE(control.label);
    Open(kDocument);
    Select("art 0");
    // Every entry the module's list offers has a meaning here, and none is missing.
    std::vector<std::string> offered;
    for (const auto &entry : Control(control.label).list->entries) {
      if (!entry->separator) offered.push_back(entry->text);
    }
    std::vector<std::string> meant;
    for (const Meaning &meaning : control.meanings) meant.push_back(meaning.entry);
    EXPECT_EQ(offered, meant);

    for (const Meaning &meaning : control.meanings) {
      SCOPED_TRACE(meaning.entry);
      Open(kDocument);
      Select("art 0");
      const Json before = Document();
      harness_.Run(std::string("panel choose \"") + control.label + "\" \"" + meaning.entry + "\"");
      for (const Json &refused : harness_.Pending("refused")) ADD_FAILURE() << refused.dump();
      for (const Written &w : meaning.written) ExpectWritten(w);
      if (meaning.written.empty()) {
        EXPECT_EQ(Document(), before) << "nothing is written";
      }

      Select("art 0");  // the panel reads the selected text again
      const AdmItem &item = Control(control.label);
      EXPECT_EQ(Shown(item), ShownAfterChoosing(item, meaning.entry));
    }
  }
  ExpectNothingAlive();
}

TEST_F(PanelRoundTripTest, TheKashidasBoxWritesAndShowsBothStates) {
  Open(kDocument);
  Select("art 0");
  ASSERT_EQ(Control("Kashidas").value, 1);
  struct Step {
    int64_t kashidas;  // written by the click
    double checked;    // shown after the panel has read the selection again
  };
  // Clearing the box turns kashidas off (1), checking it turns them on (0).
  for (const Step &step : {Step{1, 0}, Step{0, 1}}) {
    harness_.Run("panel click Kashidas");
    for (int64_t value : CharValues<int64_t>(0, "kashidas")) EXPECT_EQ(value, step.kashidas);
    Select("art 0");
    EXPECT_EQ(Control("Kashidas").value, step.checked);
  }
}

}  // namespace
}  // namespace paneltest
