// The page follows the document: the real host composes after `open` and after every change
// of text attributes, only the paragraphs that changed, and nothing for a selection change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/app/PageService.h"
#include "support/HostHarness.h"
#include "support/TempFolder.h"

#ifndef _WIN32
#include "host/draw/Pages.h"
#include "host/draw/ReadingOrder.h"
#endif

namespace {

using zvtest::Json;

// One story of three paragraphs in one frame, and a second story of one paragraph.
constexpr const char *kDocument = R"({"format": "zarvel-document/1", "stories": [
  {"paragraphs": [{"text": "السلام عليكم ورحمة الله", "paragraphDirection": 1},
                  {"text": "في عام ٢٠٢٤ بلغ عدد الزوار 1250", "paragraphDirection": 1},
                  {"text": "این متن فارسی است", "paragraphDirection": 1}]},
  {"paragraphs": [{"text": "Zarvel"}]}],
 "art": [{"kind": "text", "story": 0, "bounds": [0, 0, 300, 200]},
         {"kind": "text", "story": 1, "bounds": [0, 220, 300, 40]}]})";

TEST(PageCommandsRefused, AHostWithoutCompositionRefusesBothCommandsSayingWhy) {
  zvtest::HostHarness harness;
  harness.Take();
  zvhost::CommandTable commands;
  zvhost::RegisterRefusedPageCommands(commands);
  for (const std::vector<std::string> &line :
       {std::vector<std::string>{"snapshot", "doc", "page.png"},
        std::vector<std::string>{"dump", "layout"}}) {
    const zvhost::ScriptCommand *command = commands.Match(line);
    ASSERT_NE(command, nullptr) << line[0];
    command->run({line.begin() + 2, line.end()});
  }
  const std::vector<Json> refused = harness.Take();
  ASSERT_EQ(refused.size(), 2u);
  EXPECT_EQ(refused[0]["reason"],
            "snapshot doc: composing text needs the Linux host, which sets and draws it with "
            "HarfBuzz, ICU and Cairo; this Windows host has none");
  EXPECT_EQ(refused[1]["reason"].get<std::string>().rfind("dump layout: composing text needs "
                                                          "the Linux host",
                                                          0),
            0u);
}

#ifndef _WIN32

class PageCompositionTest : public ::testing::Test {
 protected:
  zvhost::compose::ComposeCounts Counts() {
    return zvhost::draw::Pages::The().Composer().LastCounts();
  }
  void ExpectCounts(uint32_t composed, uint32_t reused, const std::string &after) {
    const zvhost::compose::ComposeCounts counts = Counts();
    EXPECT_EQ(counts.composed, composed) << after;
    EXPECT_EQ(counts.reused, reused) << after;
  }

  zvtest::TempFolder temp_;
  zvtest::HostHarness harness_;
};

TEST_F(PageCompositionTest, APanelChoiceRecomposesTheParagraphsItChangedAndASelectionNothing) {
  harness_.Run(
      {"menu \"Window Utilities/Zarvel/Zarvel\"", "open " + temp_.Write("page.json", kDocument)});
  // Story 1 is composed last: one paragraph.
  ExpectCounts(1, 0, "open");
  harness_.Run("select text 0 2 5");  // in the first paragraph of story 0
  ExpectCounts(1, 0, "a selection change composes nothing");
  harness_.Run("panel choose Digits Farsi");
  ExpectCounts(1, 2, "a character attribute of one paragraph");
  harness_.Run({"select none", "select art 0"});
  ExpectCounts(1, 2, "selection changes compose nothing");
  harness_.Run("panel choose Justification Naskh");
  ExpectCounts(3, 0, "a paragraph attribute of the whole story");
  harness_.Run("dump layout");
  ExpectCounts(3, 0, "dump layout composes nothing new");
  for (const Json &refused : harness_.Pending("refused")) ADD_FAILURE() << refused.dump();
}

TEST_F(PageCompositionTest, ClosingADocumentForgetsItsPage) {
  const std::string file = temp_.Write("page.json", kDocument);
  harness_.Run({"open " + file, "open " + file});
  ExpectCounts(1, 0, "the second document is composed afresh");
  harness_.Run({"close", "dump layout"});
  // The first document is current again: its page was kept, so nothing is composed.
  ExpectCounts(1, 0, "the first document's page was kept");
  harness_.Run("close");
  const std::vector<Json> refused = [&] {
    harness_.Take();
    harness_.Run("dump layout");
    return harness_.Take();
  }();
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_EQ(refused[0]["reason"], "dump layout: no document is open");
}

TEST_F(PageCompositionTest, AStoryWhoseFontIsMissingOpensWithANoteAndThePageCommandsSayWhy) {
  const std::string file = temp_.Write("page.json", R"({"format": "zarvel-document/1",
      "stories": [{"font": "No Such Family 7", "paragraphs": [{"text": "abc"}]}],
      "art": [{"kind": "text", "story": 0}]})");
  harness_.Take();
  harness_.Run("open " + file);
  std::vector<std::string> notes;
  for (const Json &note : harness_.Pending("note")) notes.push_back(note["text"]);
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].find("cannot compose story 0: font \"No Such Family 7\""), std::string::npos)
      << notes[0];
  harness_.Take();
  harness_.Run("select art 0");
  EXPECT_TRUE(harness_.Pending("note").empty()) << "said once";
  EXPECT_NE(harness_.RunExpectingError("dump layout").find("No Such Family 7"), std::string::npos);
  EXPECT_NE(harness_.RunExpectingError("snapshot doc " + temp_.PathOf("page.svg"))
                .find("No Such Family 7"),
            std::string::npos);
}

TEST(ReadingOrder, FramesAreReadRowByRowFromTheStoryDirectionsSide) {
  using zvhost::compose::FrameBox;
  struct Case {
    const char *what;
    std::vector<FrameBox> frames;  // in story order
    std::vector<uint32_t> fromLeft, fromRight;
  };
  const Case cases[] = {
      {"two side by side", {{0, 0, 100, 100}, {120, 0, 100, 100}}, {0, 1}, {1, 0}},
      {"one above the other", {{0, 120, 100, 100}, {0, 0, 100, 100}}, {1, 0}, {1, 0}},
      {"a row of two over one, a little out of line",
       {{0, 130, 220, 50}, {120, 10, 100, 100}, {0, 0, 100, 100}},
       {2, 1, 0},
       {2, 0, 1}},
      {"one frame", {{5, 5, 10, 10}}, {0}, {0}},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(zvhost::draw::ReadingOrder(c.frames, false), c.fromLeft) << c.what;
    EXPECT_EQ(zvhost::draw::ReadingOrder(c.frames, true), c.fromRight) << c.what;
  }
}

#endif

}  // namespace
