// Writing and reading the composer pair of the selected text frames.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextHostTest.h"
#include "commands/ComposerCommands.h"

namespace texttest {
namespace {

using Texts = std::vector<std::string>;
using Values = std::vector<int64_t>;

class CommandComposerTest : public TextHostTest {
 protected:
  void SetUp() override {
    TextHostTest::SetUp();
    Open(kThreeStories);
  }
  // Composer engine and every-line flag of every paragraph, story by story.
  std::vector<Values> Pairs() {
    std::vector<Values> pairs;
    for (int story = 0; story < 3; ++story) {
      Values engines = ParagraphValues(story, "composerEngine");
      std::vector<int64_t> flags;
      const Json document = Document();
      for (const Json &paragraph : document["stories"][story]["paragraphs"]) {
        flags.push_back(paragraph.value("everyLineComposer", false) ? 1 : 0);
      }
      engines.insert(engines.end(), flags.begin(), flags.end());
      pairs.push_back(engines);
    }
    return pairs;
  }
  AIArtHandle art_ = nullptr;
};

TEST_F(CommandComposerTest, OnlyTheFirstSelectedFrameGetsTheComposer) {
  struct Case {
    bool second;
    bool everyLine;
    Values story0;  // engine of both paragraphs, then their flags
  };
  const Case cases[] = {
      {true, true, {1, 1, 1, 1}},
      {true, false, {1, 1, 0, 0}},
      {false, true, {0, 0, 1, 1}},
      {false, false, {0, 0, 0, 0}},
  };
  for (const Case &c : cases) {
    Open(kThreeStories);
    Select("art 0 1 3");
    const std::vector<Values> before = Pairs();
    EXPECT_EQ(ApplyZarvelComposer(&art_, c.second, c.everyLine), kHostNoErr);
    const std::vector<Values> after = Pairs();
    EXPECT_EQ(after[0], c.story0);
    EXPECT_EQ(after[1], before[1]);
    EXPECT_EQ(after[2], before[2]);
    EXPECT_EQ(art_, SelectedFrame(0));
    ExpectNothingAlive();
  }
}

TEST_F(CommandComposerTest, AnIndexFailureMovesTheComposerToTheNextFrame) {
  Select("art 0 1");
  Fail("AI Art Set Suite/IndexArtSet:NESS");
  EXPECT_EQ(ApplyZarvelComposer(&art_, true, false), kHostNoErr);
  EXPECT_EQ(Traces(),
            (Texts{"ApplyZarvelComposer: Start", "GetCountArtSet: Start", "GetCountArtSet: End",
                   "ApplyZarvelComposer : Didn't able to retrieve the artset with index no.( "
                   "IndexArtSet )",
                   "ApplyZarvelComposer: End"}));
  EXPECT_EQ(Pairs()[0], (Values{0, 0, 0, 0}));
  EXPECT_EQ(Pairs()[1], (Values{1, 0}));
}

TEST_F(CommandComposerTest, ReadersReportTheLastSelectedFrame) {
  struct Case {
    const char *selection;
    int32_t engine;
    bool everyLine;
  };
  // Story 0: engine 0, single line; story 1: engine 0, every line; story 2: engine 1, every line.
  for (const Case &c : {Case{"art 0", 0, false}, Case{"art 0 1", 0, true}, Case{"art 3 0", 1, true},
                        Case{"art 1 0", 0, true}}) {
    Select(c.selection);
    int32_t engine = -1;
    bool everyLine = !c.everyLine;
    EXPECT_EQ(GetComposerEngin(&art_, &engine, &everyLine), kHostNoErr);
    EXPECT_EQ(engine, c.engine) << c.selection;
    EXPECT_EQ(everyLine, c.everyLine) << c.selection;
    everyLine = !c.everyLine;
    EXPECT_EQ(IsSingleLineComposer(&art_, &everyLine), kHostNoErr);
    EXPECT_EQ(everyLine, c.everyLine) << c.selection;
    EXPECT_EQ(Traces(),
              (Texts{"GetComposerEngin: Start", "GetCountArtSet: Start", "GetCountArtSet: End",
                     "GetComposerEngin: End", "IsSingleLineComposer: Start",
                     "GetCountArtSet: Start", "GetCountArtSet: End", "IsSingleLineComposer: End"}));
    ExpectNothingAlive();
  }
}

TEST_F(CommandComposerTest, WithoutSelectedFramesTheOutputsKeepTheirStart) {
  for (const char *selection : {"none", "art 2", "text 1 0 2"}) {
    Select(selection);
    int32_t engine = 7;
    bool everyLine = true;
    EXPECT_EQ(GetComposerEngin(&art_, &engine, &everyLine), kHostNoErr);
    EXPECT_EQ(IsSingleLineComposer(&art_, &everyLine), kHostNoErr);
    EXPECT_EQ(engine, 7);
    EXPECT_TRUE(everyLine);
    const std::vector<Values> before = Pairs();
    EXPECT_EQ(ApplyZarvelComposer(&art_, true, true), kHostNoErr);
    EXPECT_EQ(Pairs(), before);
    ExpectNothingAlive();
  }
}

TEST_F(CommandComposerTest, FailuresBecomeTheResultAndReleaseEverything) {
  struct Case {
    const char *failure;
    HostErr code;
    const char *trace;  // the failure line, or null
  };
  const Case cases[] = {
      {"AI Text Frame Suite/GetATETextRange:NESS", kNess,
       "IsSingleLineComposer : didn't able to retrieve ATE textframe OBJECT corresponding "
       "illustrator Textframe OBJECT ( GetATETextFrame )"},
      {"ATE TextRange Suite/GetParaFeatures:ATEp", kAtep, nullptr},
      {"ATE ParaFeatures Suite/GetEveryLineComposer:ATEp", kAtep, nullptr},
  };
  for (const Case &c : cases) {
    Select("art 0 1");
    Fail(c.failure);
    bool everyLine = false;
    EXPECT_EQ(IsSingleLineComposer(&art_, &everyLine), c.code) << c.failure;
    EXPECT_FALSE(everyLine) << "frame 1 was reached after " << c.failure;
    Texts expected{"IsSingleLineComposer: Start", "GetCountArtSet: Start", "GetCountArtSet: End"};
    if (c.trace != nullptr) expected.push_back(c.trace);
    expected.push_back("IsSingleLineComposer: End");
    EXPECT_EQ(Traces(), expected);
    ExpectNothingAlive();
  }

  Select("art 0 1");
  Fail("ATE TextRange Suite/SetLocalParaFeatures:ATEp");
  EXPECT_EQ(ApplyZarvelComposer(&art_, true, true), kAtep);
  EXPECT_EQ(Pairs()[0], (Values{0, 0, 0, 0}));
  Fail("ATE ParaFeatures Suite/GetComposerEngine:ATEp");
  int32_t engine = 0;
  EXPECT_EQ(GetComposerEngin(&art_, &engine, nullptr), kAtep);
  ExpectNothingAlive();
}

}  // namespace
}  // namespace texttest
