// The script's document commands with the module running: the notifications each change
// sends, the current document, the selection, and what is refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/FileText.h"
#include "support/HostHarness.h"
#include "support/TempFolder.h"

namespace {

using zvtest::Json;

const char *const kDocument = R"({"format": "zarvel-document/1",
  "stories": [{"paragraphs": [{"text": "سلام ۱۲۳", "runs": [
      {"length": 5, "digitSet": 3}, {"length": 3, "digitSet": 1, "kashidas": 1}]}]},
    {"paragraphs": [{"text": "abc"}]}],
  "art": [{"kind": "text", "story": 0}, {"kind": "path"}, {"kind": "text", "story": 1}]})";

class DocumentCommandTest : public ::testing::Test {
 protected:
  std::string File() { return temp_.Write("document.json", kDocument); }

  // The panel operations that ran for the last command, in order, from the module's trace.
  std::vector<std::string> PanelSteps() {
    std::vector<std::string> steps;
    for (const std::string &trace : harness_.TakeTraces()) {
      for (const char *step : {"EnableDialogItem : Start", "DisableDialogItem : Start",
                               "ResetComposerMenuItem : Start"}) {
        if (trace.ends_with(step)) steps.push_back(step);
      }
    }
    return steps;
  }
  size_t Notifications() {
    size_t count = 0;
    for (const Json &event : harness_.Take()) count += event.value("selector", "") == "AI Notify";
    return count;
  }

  zvtest::TempFolder temp_;
  zvtest::HostHarness harness_;
};

TEST_F(DocumentCommandTest, EachChangeSendsItsNotificationThenTheSelectionChange) {
  harness_.TakeTraces();
  harness_.Take();
  struct Case {
    std::string line;
    std::vector<std::string> steps;
  };
  const std::vector<std::string> enable{"EnableDialogItem : Start",
                                        "ResetComposerMenuItem : Start"};
  const std::vector<std::string> reset{"ResetComposerMenuItem : Start"};
  const Case cases[] = {
      {"new", enable},
      {"open " + File(), enable},
      {"select art 0", reset},
      {"select text 0 1 3", reset},
      {"select none", reset},
      {"close", reset},  // one document stays open: the panel stays enabled
      {"close", {"DisableDialogItem : Start", "ResetComposerMenuItem : Start"}},
  };
  for (const Case &c : cases) {
    harness_.Run(c.line);
    EXPECT_EQ(Notifications(),
              c.line == "new" || c.line.starts_with("open") || c.line == "close" ? 2u : 1u)
        << c.line;
    EXPECT_EQ(PanelSteps(), c.steps) << c.line;
  }
  harness_.Run("save " + temp_.PathOf("saved.json"));
  EXPECT_EQ(PanelSteps(), std::vector<std::string>{});
}

TEST_F(DocumentCommandTest, ClosingMakesThePreviousDocumentCurrentWithItsSelection) {
  harness_.Run("open " + File());
  harness_.Run("select text 0 5 8");
  harness_.Run("new");
  harness_.Run("select none");
  Json empty = harness_.Dump("doc");
  EXPECT_EQ(empty["stories"], Json::array());
  EXPECT_EQ(empty["selection"], Json::object());
  harness_.Run("close");
  Json previous = harness_.Dump("doc");
  EXPECT_EQ(previous["stories"].size(), 2u);
  EXPECT_EQ(previous["selection"], Json::parse(R"({"text":{"story":0,"from":5,"to":8}})"));
  harness_.Run("select art 2 0 2");
  EXPECT_EQ(harness_.Dump("doc")["selection"], Json::parse(R"({"art":[0,2]})"));
  harness_.Run("close");
  EXPECT_EQ(harness_.Dump("doc"), Json::parse(R"({"kind":"doc","open":false})"));
}

// Every art object of every open document has a handle. A document that would take more than
// the host has is refused whole: the one before it stays current, and the handles the refused
// one took are free for the next.
TEST_F(DocumentCommandTest, MoreArtThanTheHostHasHandlesForIsRefusedAndTakesNoHandles) {
  auto paths = [&](const char *name, size_t count) {
    std::string text = R"({"format": "zarvel-document/1", "stories": [], "art": [)";
    for (size_t i = 0; i < count; ++i)
      text += i == 0 ? R"({"kind": "path"})" : R"(,{"kind": "path"})";
    return temp_.Write(name, text + "]}");
  };
  const std::string most = paths("most.json", 200000);
  const std::string more = paths("more.json", 100000);
  harness_.Run("open " + most);
  EXPECT_EQ(harness_.RunExpectingError("open " + more),
            "cannot open " + more +
                ": it has 100000 art objects; the open documents may hold at most 262143 together");
  EXPECT_EQ(harness_.Dump("doc")["art"].size(), 200000u);
  harness_.Run("close");
  harness_.Run("open " + more);
  harness_.Run("open " + paths("few.json", 162143));
  EXPECT_EQ(harness_.Dump("doc")["art"].size(), 162143u) << "the refused document took no handle";
}

TEST_F(DocumentCommandTest, WhatThePanelSetsOnAParagraphSeparatorSurvivesSaveAndOpen) {
  const std::string saved = temp_.PathOf("saved.json");
  auto digitsShown = [this] {
    const Json panel = harness_.Dump("panel");
    for (const Json &item : panel["items"]) {
      if (item["id"] == 9) return item["text"];
    }
    return Json();
  };
  // Story 0 is "سلام ۱۲۳" alone: a second paragraph gives it a separator at position 8.
  Json document = Json::parse(kDocument);
  document["stories"][0]["paragraphs"].push_back({{"text", "abc"}});
  harness_.Run({"open " + temp_.Write("two.json", document.dump()),
                "menu \"Window Utilities/Zarvel/Zarvel\"", "select text 0 8 10",
                "panel choose Digits Farsi"});
  ASSERT_EQ(digitsShown(), "Farsi");
  harness_.Run({"save " + saved, "close", "open " + saved, "select text 0 8 10"});
  EXPECT_EQ(digitsShown(), "Farsi");
  EXPECT_EQ(Json::parse(zvtest::ReadFileText(
                saved))["stories"][0]["paragraphs"][0]["separator"]["digitSet"],
            3);
}

TEST_F(DocumentCommandTest, WithoutADocumentTheCommandsThatNeedOneAreRefused) {
  harness_.Take();
  for (const char *line : {"close", "save x.json", "select art 0", "select none"}) {
    harness_.Run(line);
    std::vector<Json> refused = harness_.Pending("refused");
    ASSERT_EQ(refused.size(), 1u) << line;
    EXPECT_NE(refused[0]["reason"].get<std::string>().find("no document is open"),
              std::string::npos)
        << line;
    harness_.Take();
  }
}

TEST_F(DocumentCommandTest, BadArgumentsAreRefusedNamingTheArgument) {
  harness_.Run("open " + File());
  struct Case {
    const char *line;
    const char *reason;
  };
  const Case cases[] = {
      {"open", "usage: open FILE"},
      {"open a b", "usage: open FILE"},
      {"save", "usage: save FILE"},
      {"new now", "usage: new"},
      {"close all", "usage: close"},
      {"select",
       "usage: select art I [J ...] | select text S FROM TO | select text S TEXT [N] | "
       "select none"},
      {"select all",
       "select: unknown word 'all'; usage: select art I [J ...] | select text S FROM TO | "
       "select text S TEXT [N] | select none"},
      {"select art", "usage: select art I [J ...]"},
      {"select art 0 x", "select art: art index: 'x' is not a whole number"},
      {"select art 3", "select art: there is no art 3 (the document has 3)"},
      {"select art -1", "select art: there is no art -1"},
      {"select art 99999999999", "select art: there is no art 99999999999"},
      {"select art 99999999999999999999999",
       "select art: art index: 99999999999999999999999 is out of range"},
      {"select text 0 0 -99999999999999999999", "select text: TO: -99999999999999999999 is out"},
      {"select text 0", "usage: select text S FROM TO | select text S TEXT [N]"},
      {"select text 0 zz", "select text: story 0 holds \"zz\" 0 time(s)"},
      {"select text 0 zz 1", "select text: story 0 holds \"zz\" 0 time(s)"},
      {"select text 0 zz x", "select text: N: 'x' is not a whole number"},
      {"select text 2 0 0", "select text: there is no story 2 (the document has 2)"},
      {"select text 0 1.5 2", "select text: FROM: '1.5' is not a whole number"},
      {"select text 0 3 2", "select text: FROM 3 and TO 2 must satisfy 0 <= FROM <= TO <= 8"},
      {"select text 0 0 9", "select text: FROM 0 and TO 9 must satisfy 0 <= FROM <= TO <= 8"},
      {"select text 0 0 99999999999", "select text: TO: 99999999999 is out of range"},
      {"select none now", "usage: select none"},
      {"dump doc now", "usage: dump doc"},
  };
  harness_.Run("select art 0");
  Json before = harness_.Dump("doc");
  for (const Case &c : cases) {
    EXPECT_EQ(harness_.RunExpectingError(c.line).find(c.reason), 0u)
        << c.line << ": " << harness_.RunExpectingError(c.line);
  }
  EXPECT_EQ(harness_.Dump("doc"), before);
}

TEST(DocumentSession, APanelSessionLeavesNothingAliveAndNoFindings) {
  zvhost::HostOptions strict;
  strict.strict = true;
  const zvtest::TempFolder temp;
  zvtest::HostHarness session(strict);
  session.Run({"open " + temp.Write("document.json", kDocument),
               "menu \"Window Utilities/Zarvel/Zarvel\"", "select art 0 2",
               "panel choose Justification Naskh", "select text 0 2 7",
               "panel choose Digits Arabic", "panel click Kashidas", "select art 1", "new",
               "select none", "close", "close"});
  Json refs = session.Dump("refs");
  for (const auto &[kind, live] : refs["live"].items()) EXPECT_EQ(live, 0) << kind;
  EXPECT_EQ(refs["artSets"], 0);
  EXPECT_TRUE(session.host().findings.All().empty());
  EXPECT_EQ(session.Finish(), 0);
}

}  // namespace
