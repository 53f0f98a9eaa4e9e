// The panel follows the selection: every control is set again from the selected text when
// the host reports a selection change, and documents enable and disable the controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PanelHostTest.h"

namespace paneltest {
namespace {

using Texts = std::vector<std::string>;

const std::vector<Shown> kStartingLists = {
    {5, 0, "Adobe Single Line"}, {6, 1, "Default"}, {7, 0, "Left to right"}, {8, 0, "Standard"},
    {9, 1, "Default"},           {10, 1, "None"},   {13, 0, "Left to right"}};

class PanelSyncTest : public PanelHostTest {};

TEST_F(PanelSyncTest, StartsOnItsFirstEntriesWithEveryControlDisabledAndHidden) {
  const Json panel = Panel();
  ASSERT_TRUE(panel.value("exists", false));
  EXPECT_FALSE(panel.value("visible", true));
  ExpectLists(kStartingLists, "at start");
  EXPECT_EQ(Item(11)["value"], 0);
  EXPECT_EQ(Item(12)["value"], 0);
  EXPECT_EQ(Item(14)["checked"], true);
  for (const Json &item : panel["items"]) EXPECT_EQ(item["enabled"], false) << item.dump();

  harness_.Run("menu \"Window Utilities/Zarvel/Zarvel\"");
  EXPECT_TRUE(Panel().value("visible", false));
  harness_.Run("menu \"Window Utilities/Zarvel/Zarvel\"");
  EXPECT_FALSE(Panel().value("visible", true));
}

TEST_F(PanelSyncTest, DocumentsEnableTheControlsAndClosingTheLastDisablesThem) {
  auto enabled = [this](int id) { return Item(id)["enabled"].get<bool>(); };
  harness_.Run("new");
  for (int id = 5; id <= 14; ++id) EXPECT_TRUE(enabled(id)) << "new, item " << id;
  harness_.Run("new");
  harness_.Run("close");
  for (int id = 5; id <= 14; ++id) EXPECT_TRUE(enabled(id)) << "one left open, item " << id;
  harness_.Run("close");
  // The selection change that follows the closing leaves the Kashidas box disabled too.
  for (int id = 5; id <= 14; ++id) EXPECT_FALSE(enabled(id)) << "none left open, item " << id;
  harness_.Run({"menu \"Window Utilities/Zarvel/Zarvel\"", "panel click Kashidas"});
  EXPECT_EQ(harness_.Pending("refused").size(), 1u) << "a click with no document is refused";
  harness_.Run("open " + temp_.Write("doc.json", RunsDocument({{Json::object()}})));
  for (int id = 5; id <= 14; ++id) EXPECT_TRUE(enabled(id)) << "opened, item " << id;
}

TEST_F(PanelSyncTest, AKashidasResetThatCannotCountTheDocumentsLeavesTheBoxAndSaysSo) {
  Open(RunsDocument({{{{"kashidas", 0}}, {{"kashidas", 1}}}}));
  Select("text 0 0 4");
  ASSERT_EQ(Item(14)["enabled"], false);
  Fail("AI Document List Suite/Count:NESS");
  harness_.Run("select text 0 0 1");
  const std::vector<Json> messages = Messages();
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back()["result"], texttest::kNess);
  EXPECT_EQ(Item(14)["enabled"], false) << "the box is as the mixed runs left it";
  Select("text 0 0 1");
  EXPECT_EQ(Item(14)["enabled"], true);
  ExpectNothingAlive();
}

struct RunListCase {
  int id;
  const char *attribute;
  std::vector<int> values;  // one run each
  int entry;
  const char *text;
};

TEST_F(PanelSyncTest, RunListsShowAUniformValueAndMultipleWhereRunsDisagree) {
  const RunListCase cases[] = {
      {6, "dirOverride", {1, 2}, 0, "Multiple"},
      {6, "dirOverride", {1, 1}, 2, "Left to right"},
      {6, "dirOverride", {2}, 3, "Right to left"},
      {6, "dirOverride", {5}, -1, ""},
      {9, "digitSet", {3}, 4, "Farsi"},
      {9, "digitSet", {0, 3, 0}, 0, "Multiple"},
      {9, "digitSet", {4}, -1, ""},
      {10, "diacVPos", {4}, 5, "Open Type"},
      {10, "diacVPos", {2, 1}, 0, "Multiple"},
      {10, "diacVPos", {0}, 1, "None"},
  };
  for (const RunListCase &c : cases) {
    std::vector<Json> runs;
    // Each run also differs in kashidas, so that equal values still make separate runs.
    for (size_t i = 0; i < c.values.size(); ++i) {
      runs.push_back({{c.attribute, c.values[i]}, {"kashidas", static_cast<int>(i % 2)}});
    }
    Open(RunsDocument({runs}));
    Select("text 0 0 " + std::to_string(2 * runs.size()));
    const std::string values = ::testing::PrintToString(c.values);
    EXPECT_EQ(Entry(c.id), c.entry) << c.attribute << " " << values;
    EXPECT_EQ(Text(c.id), c.text) << c.attribute << " " << values;
  }
}

// A frame whose story holds a value in every attribute that the panel shows, and a path.
const char *const kFrameAndPath = R"({
  "format": "zarvel-document/1",
  "stories": [{"paragraphs": [{"text": "abcd", "paragraphDirection": 1,
    "justificationMethod": 2, "composerEngine": 1, "everyLineComposer": true,
    "runs": [{"length": 4, "dirOverride": 2, "digitSet": 3, "diacVPos": 4,
              "diacXOffset": 7, "diacYOffset": -3, "kashidas": 1}]}]}],
  "art": [{"kind": "text", "story": 0, "storyDirection": 1}, {"kind": "path"}]
})";

TEST_F(PanelSyncTest, APathAloneShowsTheNoTextStateAndKeepsTheStoryDirection) {
  Open(kFrameAndPath);
  Select("art 0");
  ExpectLists({{5, 3, "Zarvel Every Line"},
               {6, 3, "Right to left"},
               {7, 1, "Right to left"},
               {8, 2, "Naskh"},
               {9, 4, "Farsi"},
               {10, 5, "Open Type"},
               {13, 1, "Right to left"}},
              "the frame selected");
  EXPECT_EQ(Item(11)["value"], 7);
  EXPECT_EQ(Item(12)["value"], -3);
  EXPECT_EQ(Item(14)["checked"], false);

  Select("art 1");
  std::vector<Shown> noText = kStartingLists;
  noText.back() = {13, 1, "Right to left"};  // the story direction list is left as it was
  ExpectLists(noText, "the path selected");
  EXPECT_EQ(Item(11)["value"], 0);
  EXPECT_EQ(Item(12)["value"], 0);
  EXPECT_EQ(Item(14)["checked"], true);
  EXPECT_EQ(Item(14)["enabled"], true);
}

// Three frames whose paragraph values and story directions all differ.
const char *const kThreeFrames = R"({
  "format": "zarvel-document/1",
  "stories": [
    {"paragraphs": [{"text": "ab", "paragraphDirection": 1, "justificationMethod": 1,
                     "composerEngine": 1}]},
    {"paragraphs": [{"text": "cd", "justificationMethod": 2, "everyLineComposer": true}]},
    {"paragraphs": [{"text": "ef", "paragraphDirection": 5, "justificationMethod": 3,
                     "composerEngine": 2}]}
  ],
  "art": [{"kind": "text", "story": 0, "storyDirection": 0},
          {"kind": "text", "story": 1, "storyDirection": 1},
          {"kind": "text", "story": 2, "storyDirection": 7}]
})";

TEST_F(PanelSyncTest, ParagraphReadersShowTheLastSelectedFrameAndNeverMultiple) {
  Open(kThreeFrames);
  const std::vector<Shown> secondFrame = {{5, 1, "Adobe Every Line"},
                                          {7, 0, "Left to right"},
                                          {8, 2, "Naskh"},
                                          {13, 1, "Right to left"}};
  // The art set lists frames in document order, whatever the order of selecting.
  for (const char *selection : {"art 0 1", "art 1 0"}) {
    Select(selection);
    ExpectLists(secondFrame, selection);
  }
  Select("art 0");
  ExpectLists({{5, 2, "Zarvel Single Line"},
               {7, 1, "Right to left"},
               {8, 1, "Arabic"},
               {13, 0, "Left to right"}},
              "art 0");
  // Values that no entry names leave the lists without a choice; an unknown engine shows as
  // the last composer entry.
  Select("art 2");
  ExpectLists({{5, 3, "Zarvel Every Line"}, {7, -1, ""}, {8, -1, ""}, {13, -1, ""}}, "art 2");
}

TEST_F(PanelSyncTest, OffsetFieldsShowAUniformOffsetAndZeroOtherwise) {
  struct Case {
    std::vector<double> x, y;
    double shownX, shownY;
  };
  const Case cases[] = {
      {{10, 10}, {-2.5}, 10, -2.5},
      {{10, -10}, {3, 4}, 0, 0},
      {{0}, {0, 0}, 0, 0},
  };
  for (const Case &c : cases) {
    std::vector<std::vector<Json>> stories;
    for (const auto &[offsets, attribute] :
         {std::pair{c.x, "diacXOffset"}, std::pair{c.y, "diacYOffset"}}) {
      std::vector<Json> runs;
      for (size_t i = 0; i < offsets.size(); ++i) {
        runs.push_back({{attribute, offsets[i]}, {"digitSet", static_cast<int>(i)}});
      }
      stories.push_back(runs);
    }
    Open(RunsDocument(stories));
    Select("text 0 0 " + std::to_string(2 * c.x.size()));
    EXPECT_EQ(Item(11)["value"].get<double>(), c.shownX) << ::testing::PrintToString(c.x);
    Select("text 1 0 " + std::to_string(2 * c.y.size()));
    EXPECT_EQ(Item(12)["value"].get<double>(), c.shownY) << ::testing::PrintToString(c.y);
  }
}

TEST_F(PanelSyncTest, KashidasBoxIsCheckedAndDisabledWhereRunsDisagree) {
  Open(RunsDocument({{{{"kashidas", 0}}, {{"kashidas", 1}}},
                     {{{"kashidas", 1}}},
                     {{{"kashidas", 0}}},
                     {{{"kashidas", 7}}}}));
  struct Step {
    const char *selection;
    bool checked, enabled;
  };
  const Step steps[] = {
      {"text 0 0 4", true, false},
      {"text 1 0 2", false, true},
      // A value the box cannot show leaves its check mark as it was.
      {"text 3 0 2", false, true},
      {"text 0 0 4", true, false},
      {"text 3 0 2", true, true},
      {"text 1 0 2", false, true},
      {"text 2 0 2", true, true},
      {"none", true, true},
  };
  for (const Step &step : steps) {
    Select(step.selection);
    EXPECT_EQ(Item(14)["checked"], step.checked) << step.selection;
    EXPECT_EQ(Item(14)["enabled"], step.enabled) << step.selection;
  }
}

TEST_F(PanelSyncTest, ASelectionChangeRunsTheResetsInOrderAndEachTracesItsLines) {
  Open(kFrameAndPath);
  harness_.Run("select art 0");
  Texts resets;
  for (const std::string &text : Traces()) {
    if (text.find("Reset") != std::string::npos) resets.push_back(text);
  }
  EXPECT_EQ(resets, (Texts{
                        "ZarvelNonModalDialog::ResetComposerMenuItem : Start",
                        "ZarvelNonModalDialog::ResetComposerMenuItem : End",
                        "ZarvelNonModalDialog::ResetCharacterDirectionMenuItem : Start",
                        "ZarvelNonModalDialog::ResetCharacterDirectionMenuItem : End",
                        "ZarvelNonModalDialog::ResetDigitsMenuItem : Start",
                        "ZarvelNonModalDialog::ResetDigitsMenuItem : End",
                        "ZarvelNonModalDialog::ResetDiacriticsPositionMenuItem : Start",
                        "ZarvelNonModalDialog::ResetDiacriticsPositionMenuItem : End",
                        "ZarvelNonModalDialog::ResetDiacriticsXOffsetMenuItem : Start",
                        "ZarvelNonModalDialog::ResetDiacriticsXOffsetMenuItem : End",
                        "ZarvelNonModalDialog::ResetDiacriticsYOffsetMenuItem : Start",
                        "ZarvelNonModalDialog::ResetDiacriticsYOffsetMenuItem : End",
                        "ResetStoryDirectionMenuItem: Start",
                        "ZarvelNonModalDialog::ResetKashidasCheckBox : Start",
                        "ZarvelNonModalDialog::ResetKashidasCheckBox : End",
                    }));
  ExpectNothingAlive();
}

// The traces of one reset: its start line, what it calls, its end line where it has one.
struct ResetTraces {
  const char *name;
  Texts lines;
};

Texts Member(const std::string &name, const Texts &inner) {
  Texts lines{"ZarvelNonModalDialog::" + name + " : Start"};
  lines.insert(lines.end(), inner.begin(), inner.end());
  lines.push_back("ZarvelNonModalDialog::" + name + " : End");
  return lines;
}

// Everything a selection change of kFrameAndPath's frame traces, reset by reset in the
// order they run. The two paragraph resets trace only the reader they call.
std::vector<ResetTraces> WholeSelectionChange() {
  const Texts count{"GetCountArtSet: Start", "GetCountArtSet: End"};
  const Texts runs{"GetTextRanges: Start", "GetTextRanges: End"};
  auto around = [](const std::string &name, const Texts &inner) {
    Texts lines{name + ": Start"};
    lines.insert(lines.end(), inner.begin(), inner.end());
    lines.push_back(name + ": End");
    return lines;
  };
  Texts story{"ResetStoryDirectionMenuItem: Start"};
  story.insert(story.end(), count.begin(), count.end());
  for (const std::string &line : around("GetTextRange", count)) story.push_back(line);
  return {
      {"ResetComposerMenuItem", Member("ResetComposerMenuItem", around("GetComposerEngin", count))},
      {"ResetCharacterDirectionMenuItem", Member("ResetCharacterDirectionMenuItem", runs)},
      {"ResetParagraphDirectionMenuItem", around("GetParaFeature", count)},
      {"ResetJustificationMenuItem", around("GetParaFeature", count)},
      {"ResetDigitsMenuItem", Member("ResetDigitsMenuItem", runs)},
      {"ResetDiacriticsPositionMenuItem", Member("ResetDiacriticsPositionMenuItem", runs)},
      {"ResetDiacriticsXOffsetMenuItem", Member("ResetDiacriticsXOffsetMenuItem", runs)},
      {"ResetDiacriticsYOffsetMenuItem", Member("ResetDiacriticsYOffsetMenuItem", runs)},
      {"ResetStoryDirectionMenuItem", story},
      {"ResetKashidasCheckBox", Member("ResetKashidasCheckBox", runs)},
  };
}

TEST_F(PanelSyncTest, AWholeSelectionChangeTracesEveryResetInOrder) {
  Open(kFrameAndPath);
  harness_.Run("select art 0");
  Texts expected;
  for (const ResetTraces &reset : WholeSelectionChange()) {
    expected.insert(expected.end(), reset.lines.begin(), reset.lines.end());
  }
  EXPECT_EQ(Traces(), expected);
}

// A failure in a reset ends the pass there: the traces are those of every reset before it,
// its own up to the failed read, and the failure line that names it. This also orders the
// two paragraph resets, whose traces are alike.
TEST_F(PanelSyncTest, AFailingResetEndsTheWholeSelectionChangeWhereItStands) {
  struct Case {
    const char *failure;  // an operation that only this reset calls
    size_t reset;         // its place in the order
    size_t linesBefore;   // its own lines traced before the read fails
  };
  const Case cases[] = {
      {"ATE CharFeatures Suite/GetDirOverride:ATEp", 1, 3},
      {"ATE ParaFeatures Suite/GetParagraphDirection:ATEp", 2, 4},
      {"ATE ParaFeatures Suite/GetJustificationMethod:ATEp", 3, 4},
      {"ATE CharFeatures Suite/GetDigitSet:ATEp", 4, 3},
      {"ATE CharFeatures Suite/GetDiacVPos:ATEp", 5, 3},
      {"ATE CharFeatures Suite/GetDiacXOffset:ATEp", 6, 3},
      {"ATE CharFeatures Suite/GetDiacYOffset:ATEp", 7, 3},
      {"ATE TextFrame Suite/GetStoryDirection:ATEp", 8, 7},
      {"AI Document List Suite/Count:NESS", 9, 1},
  };
  const std::vector<ResetTraces> whole = WholeSelectionChange();
  for (const Case &c : cases) {
    SCOPED_TRACE(c.failure);
    Open(kFrameAndPath);
    Fail(c.failure);
    harness_.Run("select art 0");
    Texts expected;
    for (size_t reset = 0; reset < c.reset; ++reset) {
      expected.insert(expected.end(), whole[reset].lines.begin(), whole[reset].lines.end());
    }
    const Texts &failing = whole[c.reset].lines;
    expected.insert(expected.end(), failing.begin(), failing.begin() + c.linesBefore);
    expected.push_back(std::string("goNotifier : didn't able to ") + whole[c.reset].name);
    EXPECT_EQ(Traces(), expected);
  }
}

TEST_F(PanelSyncTest, AFailedSelectionReadShowsTheNoTextStateAndIsNotReported) {
  Open(kFrameAndPath);
  Select("art 0");
  Fail("AI Document Suite/GetTextSelection:NESS:0");
  harness_.Run("select art 0");
  for (const Json &message : Messages()) EXPECT_EQ(message["result"], 0) << message.dump();
  ExpectLists({{6, 1, "Default"}, {9, 1, "Default"}, {10, 1, "None"}}, "no selection");
  EXPECT_EQ(Item(11)["value"], 0);
  EXPECT_EQ(Item(14)["checked"], true);
  // The frame readers go through the art set and still see the frame.
  EXPECT_EQ(Entry(5), 3);
  ExpectNothingAlive();
}

TEST_F(PanelSyncTest, AnEngineErrorEndsThePassAndReachesTheUser) {
  Open(kFrameAndPath);
  Fail("ATE CharFeatures Suite/GetDigitSet:ATEp");
  harness_.Run("select art 0");
  const std::vector<Json> messages = Messages();
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back()["result"], texttest::kAtep);
  // The resets before the failing one have run, those after it have not.
  EXPECT_EQ(Entry(6), 3);
  EXPECT_EQ(Entry(10), 1);
  ExpectNothingAlive();
}

}  // namespace
}  // namespace paneltest
