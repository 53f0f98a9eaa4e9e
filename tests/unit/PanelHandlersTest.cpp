// Choices in the panel write through to the document; the panel menu re-applies the second
// composer and opens the About box; the panel's placement outlives its dialog.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "PanelHostTest.h"
#include "host/adm/DialogManager.h"
#include "host/prefs/Preferences.h"

namespace paneltest {
namespace {

using Texts = std::vector<std::string>;
using Ints = std::vector<int64_t>;

// One frame of four characters whose every attribute holds a value that no test writes, and
// a path.
const char *const kPreset = R"({
  "format": "zarvel-document/1",
  "stories": [{"paragraphs": [{"text": "abcd", "paragraphDirection": 7,
    "justificationMethod": 7, "composerEngine": 7,
    "runs": [{"length": 4, "dirOverride": 1, "digitSet": 1, "diacVPos": 1,
              "diacXOffset": 7, "diacYOffset": 7}]}]}],
  "art": [{"kind": "text", "story": 0, "storyDirection": 7}, {"kind": "path"}]
})";

class PanelHandlersTest : public PanelHostTest {
 protected:
  void SetUp() override {
    PanelHostTest::SetUp();
    Open(kPreset);
    Select("art 0");
    // A user acts on the panel once its Window menu item has shown it.
    harness_.Run("menu \"Window Utilities/Zarvel/Zarvel\"");
    harness_.Take();
    harness_.TakeTraces();
  }
  // Traces of the panel class's own members, in order.
  Texts PanelTraces() {
    Texts panel;
    for (const std::string &text : Traces()) {
      if (text.rfind("ZarvelNonModalDialog::", 0) == 0) panel.push_back(text);
    }
    return panel;
  }
  double Characters(const char *attribute) {
    const std::vector<double> values = CharValues<double>(0, attribute);
    for (double value : values) EXPECT_EQ(value, values.at(0)) << attribute;
    return values.at(0);
  }
};

TEST_F(PanelHandlersTest, EveryControlWritesTheChosenValueIntoTheSelectedText) {
  struct Case {
    const char *action;
    std::vector<Written> written;
  };
  const Case cases[] = {
      {"panel choose Composer \"Zarvel Every Line\"",
       {{kParagraph, "composerEngine", 1}, {kParagraph, "everyLineComposer", 1}}},
      {"panel choose Composer \"Adobe Every Line\"",
       {{kParagraph, "composerEngine", 0}, {kParagraph, "everyLineComposer", 1}}},
      {"panel choose Composer \"Zarvel Single Line\"",
       {{kParagraph, "composerEngine", 1}, {kParagraph, "everyLineComposer", 0}}},
      {"panel choose \"Paragraph Direction\" \"Right to left\"",
       {{kParagraph, "paragraphDirection", 1}}},
      {"panel choose Justification Naskh", {{kParagraph, "justificationMethod", 2}}},
      {"panel choose \"Story Direction\" \"Left to right\"", {{kStoryDirection, "", 0}}},
      {"panel choose \"Character Direction\" \"Right to left\"", {{kCharacters, "dirOverride", 2}}},
      {"panel choose Digits Hindi", {{kCharacters, "digitSet", 2}}},
      {"panel choose \"Diacritics Position\" Tight", {{kCharacters, "diacVPos", 3}}},
      // A number the list does not hold reaches the text as typed.
      {"panel type X 35", {{kCharacters, "diacXOffset", 35}}},
      {"panel choose Y -20", {{kCharacters, "diacYOffset", -20}}},
      // The box starts checked; clearing it turns kashidas off (1).
      {"panel click Kashidas", {{kCharacters, "kashidas", 1}}},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.action);
    Open(kPreset);
    Select("art 0");
    harness_.Run(c.action);
    for (const Json &refused : harness_.Pending("refused")) ADD_FAILURE() << refused.dump();
    for (const Written &w : c.written) ExpectWritten(w);
    ExpectNothingAlive();
  }
}

TEST_F(PanelHandlersTest, ChoosingMultipleLeavesTheTextUnchanged) {
  for (const char *control : {"\"Character Direction\"", "Digits", "\"Diacritics Position\""}) {
    harness_.Run(std::string("panel choose ") + control + " Multiple");
  }
  EXPECT_EQ(Characters("dirOverride"), 1);
  EXPECT_EQ(Characters("digitSet"), 1);
  EXPECT_EQ(Characters("diacVPos"), 1);
}

TEST_F(PanelHandlersTest, AHandlerTracesItsLinesAndAFailedCommandBetweenThem) {
  struct Case {
    const char *action;
    const char *failure;  // the host operation made to fail
    const char *proc;
    const char *failureTrace;  // null where the result is not examined
  };
  const Case cases[] = {
      {"panel choose Digits Hindi", "AI Document Suite/GetTextSelection:NESS", "DigitsPopupProc",
       "ZarvelNonModalDialog::DigitsPopupProc: Didn't SetDigit"},
      {"panel choose \"Character Direction\" Default", "AI Document Suite/GetTextSelection:NESS",
       "CharacterDirectionPopupProc",
       "ZarvelNonModalDialog::CharacterDirectionPopupProc: Didn't SetCharacterDirection"},
      {"panel type X 3", "AI Document Suite/GetTextSelection:NESS", "DiacriticsXOffsetPopupProc",
       "ZarvelNonModalDialog::DiacriticsXOffsetPopupProc : Didn't set Diacritics XOffset value"},
      {"panel choose Justification Arabic", "AI Art Set Suite/IndexArtSet:NESS",
       "JustificationPopupProc",
       "ZarvelNonModalDialog::JustificationPopupProc: Didn't SetJustification"},
      {"panel choose Composer \"Adobe Every Line\"", "AI Art Set Suite/IndexArtSet:NESS",
       "PopupProc", "ZarvelNonModalDialog::PopupProc: Didn't set the zarvel composer"},
      {"panel choose \"Story Direction\" \"Right to left\"", "AI Art Set Suite/IndexArtSet:NESS",
       "StoryDirectionPopupProc", nullptr},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.action);
    const std::string proc = std::string("ZarvelNonModalDialog::") + c.proc;
    const Texts reads = {proc + " : Start", "ZarvelNonModalDialog::GetPopupSelection : Start",
                         "ZarvelNonModalDialog::GetPopupSelection : End"};
    const bool popup = std::string(c.action).find("panel choose") == 0;
    Texts expected = popup ? reads : Texts{reads[0]};

    Traces();
    harness_.Run(c.action);
    Texts succeeded = expected;
    succeeded.push_back(proc + " : End");
    EXPECT_EQ(PanelTraces(), succeeded);

    Fail(c.failure);
    harness_.Run(c.action);
    if (c.failureTrace != nullptr) expected.push_back(c.failureTrace);
    expected.push_back(proc + " : End");
    EXPECT_EQ(PanelTraces(), expected);
    ExpectNothingAlive();
  }
}

TEST_F(PanelHandlersTest, ApplyZarvelComposerKeepsTheEveryLineMode) {
  for (bool everyLine : {true, false}) {
    harness_.Run(everyLine ? "panel choose Composer \"Adobe Every Line\""
                           : "panel choose Composer \"Adobe Single Line\"");
    ASSERT_EQ(Paragraph("composerEngine"), 0);
    harness_.Run("panel menu \"Apply Zarvel Composer...\"");
    EXPECT_EQ(Paragraph("composerEngine"), 1) << everyLine;
    EXPECT_EQ(Paragraph("everyLineComposer"), everyLine ? 1 : 0);
  }
  // The panel menu does not set the composer list; the next selection change does.
  Select("art 0");
  EXPECT_EQ(Text(5), "Zarvel Single Line");
}

TEST_F(PanelHandlersTest, ApplyZarvelComposerAppliesNothingWhenTheModeCannotBeRead) {
  harness_.Run("panel choose Composer \"Adobe Every Line\"");
  Traces();
  Fail("AI Text Frame Suite/GetATETextRange:NESS");
  harness_.Run("panel menu \"Apply Zarvel Composer...\"");
  EXPECT_EQ(PanelTraces(),
            (Texts{"ZarvelNonModalDialog::dialogPopupMenuTrackProc : Start",
                   "ZarvelNonModalDialog::dialogPopupMenuProc : Start",
                   "ZarvelNonModalDialog::GetPopupSelection : Start",
                   "ZarvelNonModalDialog::GetPopupSelection : End",
                   "ZarvelNonModalDialog::dialogPopupMenuProc: Didn't get SingleLineComposer",
                   "ZarvelNonModalDialog::dialogPopupMenuProc : End"}));
  EXPECT_EQ(Paragraph("composerEngine"), 0);
  ExpectNothingAlive();
}

TEST_F(PanelHandlersTest, TheAboutEntryRunsTheAboutBoxWithItsPicture) {
  const bool visible = Panel().value("visible", false);
  harness_.Run("panel menu \"About Zarvel Panel...\"");
  const std::vector<Json> modals = harness_.Pending("modal");
  ASSERT_EQ(modals.size(), 1u);
  EXPECT_EQ(modals[0]["name"], "About Zarvel");
  EXPECT_EQ(modals[0]["resource"], 16040);
  bool picture = false;
  for (const Json &item : modals[0]["items"]) picture |= item.value("picture", 0) == 1686;
  EXPECT_TRUE(picture) << modals[0].dump();
  EXPECT_EQ(Panel().value("visible", !visible), visible);
  Texts about;
  for (const std::string &text : Traces()) {
    if (text.find("Dialog") != std::string::npos && text.find("::") == std::string::npos) {
      about.push_back(text);
    }
  }
  EXPECT_EQ(about, (Texts{"InitializeDialog: Start", "HandleDialogOKButton : Start",
                          "HandleDialogOKButton : End"}));
}

// Reads a stored preference of the panel, failing the test when it is missing.
template <class Value>
Value Stored(zvhost::Preferences &prefs, const char *key) {
  const zvhost::PreferenceValue *value = prefs.Find("ZarvelNonModalDialog", key);
  if (value == nullptr || !std::holds_alternative<Value>(*value)) {
    ADD_FAILURE() << key << " is not stored as expected";
    return Value{};
  }
  return std::get<Value>(*value);
}

TEST_F(PanelHandlersTest, DestroyingTheDialogStoresThePanelsPlacement) {
  // The panel stands shown (see SetUp).
  harness_.Run({"panel dock Tools 3", "panel place 10 20 300 400"});
  harness_.host().dialogs->DestroyAll();
  zvhost::Preferences &prefs = *harness_.host().prefs;
  EXPECT_EQ(Stored<int32_t>(prefs, "kADM_DPDockCodeStr"), 3);
  EXPECT_EQ(Stored<std::string>(prefs, "kADM_DPDockGroupStr"), "Tools");
  const HostPoint location = Stored<HostPoint>(prefs, "kADM_DPLocationStr");
  EXPECT_EQ(location.h, 10);
  EXPECT_EQ(location.v, 20);
  // A width and a height, not the second corner.
  const HostPoint size = Stored<HostPoint>(prefs, "kADM_DPSizeStr");
  EXPECT_EQ(size.h, 300);
  EXPECT_EQ(size.v, 400);
  EXPECT_EQ(Stored<bool>(prefs, "kADM_DPVisibleStr"), true);
  EXPECT_EQ(PanelTraces(), (Texts{"ZarvelNonModalDialog::DlgDestroyProc: Start",
                                  "ZarvelNonModalDialog::DlgDestroyProc : End"}));
}

TEST_F(PanelHandlersTest, NotificationsAfterTheDialogIsGoneAreHarmless) {
  harness_.host().dialogs->DestroyAll();
  Traces();
  harness_.Take();
  harness_.Run({"select art 0", "new", "select none", "close"});
  for (const Json &message : Messages()) EXPECT_EQ(message["result"], 0) << message.dump();
  EXPECT_EQ(PanelTraces(), Texts{});
  EXPECT_EQ(harness_.Finish(), 0);
}

}  // namespace
}  // namespace paneltest
