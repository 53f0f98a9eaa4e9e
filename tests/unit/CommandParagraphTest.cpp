// Paragraph direction, justification and story direction of the selected text frames.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextHostTest.h"
#include "commands/ParagraphCommands.h"

namespace texttest {
namespace {

using Texts = std::vector<std::string>;
using Values = std::vector<int64_t>;

// The walk's two failure lines of each frame command, and its start and end.
struct FrameCommand {
  const char *name;
  HostErr (*run)(AIArtHandle *, int32_t);
  Texts traces;                    // start, index failure, text frame failure, end
  const char *paragraphAttribute;  // null for the story direction
};

const FrameCommand kFrameCommands[] = {
    {"SetParagraphDirection",
     SetParagraphDirection,
     {"SetParagraphDirection: Start",
      "SetParagraphDirection : Didn't able to retrieve the artset with index no.( IndexArtSet )",
      "SetParagraphDirection : didn't able to retrieve ATE textframe OBJECT corresponding "
      "illustrator Textframe OBJECT ( GetATETextFrame )",
      "SetParagraphDirection: End"},
     "paragraphDirection"},
    {"SetJustification",
     SetJustification,
     {"SetJustification: Start",
      "SetJustification : Didn't able to retrieve the artset with index no.( IndexArtSet )",
      "SetJustification : didn't able to retrieve ATE textframe OBJECT corresponding "
      "illustrator Textframe OBJECT ( GetATETextFrame )",
      "SetJustification: End"},
     "justificationMethod"},
    {"SetStoryDirection",
     SetStoryDirection,
     {"SetStoryDirection: Start",
      "SetStoryDirection: Didn't able to retrieve the artset with index no.( IndexArtSet )",
      "SetStoryDirection : didn't able to retrieve ATE textframe OBJECT corresponding "
      "illustrator Textframe OBJECT ( GetATETextFrame )",
      "SetStoryDirection: End"},
     nullptr},
};

class CommandParagraphTest : public TextHostTest {
 protected:
  void SetUp() override {
    TextHostTest::SetUp();
    Open(kThreeStories);
  }
  // What a frame command wrote into the first paragraph or the first frame of a story of
  // kThreeStories. Index 1 writes 1, which no story starts with there.
  int64_t Written(const FrameCommand &command, int story) {
    if (command.paragraphAttribute != nullptr) {
      return ParagraphValues(story, command.paragraphAttribute)[0];
    }
    const int firstFrame[] = {0, 1, 3};
    return StoryDirections()[firstFrame[story]];
  }

  AIArtHandle art_ = nullptr;
};

TEST_F(CommandParagraphTest, ParagraphDirectionOfEveryIndex) {
  struct Case {
    int32_t index;
    int64_t written;
  };
  // Any index but 0 is right to left.
  for (const Case &c : {Case{1, 1}, Case{0, 0}, Case{5, 1}, Case{-1, 1}}) {
    Select("art 0 1");
    EXPECT_EQ(SetParagraphDirection(&art_, c.index), kHostNoErr);
    EXPECT_EQ(ParagraphValues(0, "paragraphDirection"), Values(2, c.written)) << c.index;
    EXPECT_EQ(ParagraphValues(1, "paragraphDirection"), Values{c.written}) << c.index;
    EXPECT_EQ(ParagraphValues(2, "paragraphDirection"), Values{0}) << "unselected frame";
    ExpectNothingAlive();
  }
}

TEST_F(CommandParagraphTest, JustificationOfEveryIndex) {
  struct Case {
    int32_t index;
    Values story0;  // starts 0, 0
    Values story1;  // starts 2
  };
  const Case cases[] = {
      {1, {1, 1}, {1}},  {0, {0, 0}, {0}}, {2, {2, 2}, {2}},
      {3, {2, 2}, {2}},  // no such entry: nothing set, the features go back unchanged
      {-1, {2, 2}, {2}},
  };
  for (const Case &c : cases) {
    Select("art 0 1");
    EXPECT_EQ(SetJustification(&art_, c.index), kHostNoErr);
    EXPECT_EQ(ParagraphValues(0, "justificationMethod"), c.story0) << c.index;
    EXPECT_EQ(ParagraphValues(1, "justificationMethod"), c.story1) << c.index;
    ExpectNothingAlive();
  }
}

TEST_F(CommandParagraphTest, AnIndexWithoutAValueKeepsMixedParagraphsMixed) {
  Select("art 0");
  EXPECT_EQ(SetJustification(&art_, 7), kHostNoErr);
  EXPECT_EQ(ParagraphValues(0, "paragraphDirection"), (Values{0, 1}));
}

TEST_F(CommandParagraphTest, StoryDirectionOfEveryIndex) {
  struct Case {
    int32_t index;
    Values directions;
  };
  const Case cases[] = {
      {1, {1, 20, 0, 1}},
      {0, {0, 20, 0, 0}},
      {2, {0, 20, 0, 0}},  // nothing set
      {-3, {0, 20, 0, 0}},
  };
  for (const Case &c : cases) {
    Select("art 0 3");
    EXPECT_EQ(SetStoryDirection(&art_, c.index), kHostNoErr) << c.index;
    EXPECT_EQ(StoryDirections(), c.directions) << c.index;
    ExpectNothingAlive();
  }
}

TEST_F(CommandParagraphTest, StoryDirectionGoesToTheStorysFirstFrame) {
  Open(kThreadedStory);
  Select("art 1 2");  // the second frame of story 0, and story 1
  EXPECT_EQ(SetStoryDirection(&art_, 1), kHostNoErr);
  EXPECT_EQ(StoryDirections(), (Values{1, 11, 1}));
  Select("art 0 1");  // both frames of one story: its first frame gets it twice
  EXPECT_EQ(SetStoryDirection(&art_, 0), kHostNoErr);
  EXPECT_EQ(StoryDirections(), (Values{0, 11, 1}));
  ExpectNothingAlive();
}

TEST_F(CommandParagraphTest, ThreadedFramesShareTheirStorysParagraphs) {
  Open(kThreadedStory);
  Select("art 1");
  EXPECT_EQ(SetParagraphDirection(&art_, 1), kHostNoErr);
  EXPECT_EQ(ParagraphValues(0, "paragraphDirection"), (Values{1, 1}));
  EXPECT_EQ(ParagraphValues(1, "paragraphDirection"), (Values{0}));
}

TEST_F(CommandParagraphTest, NothingSelectedChangesNothing) {
  for (const FrameCommand &command : kFrameCommands) {
    for (const char *selection : {"none", "art 2", "text 0 0 3"}) {
      Select(selection);
      const Json before = Document()["stories"];
      const Values directions = StoryDirections();
      EXPECT_EQ(command.run(&art_, 1), kHostNoErr) << command.name << " " << selection;
      EXPECT_EQ(Document()["stories"], before) << command.name << " " << selection;
      EXPECT_EQ(StoryDirections(), directions) << command.name << " " << selection;
      EXPECT_EQ(Traces(), (Texts{command.traces[0], "GetCountArtSet: Start", "GetCountArtSet: End",
                                 command.traces[3]}));
      ExpectNothingAlive();
    }
  }
}

TEST_F(CommandParagraphTest, WithoutADocumentNothingIsWalked) {
  harness_.Run("close");
  for (const FrameCommand &command : kFrameCommands) {
    EXPECT_EQ(command.run(&art_, 1), kHostNoErr) << command.name;
    ExpectNothingAlive();
  }
}

TEST_F(CommandParagraphTest, AnIndexFailureSkipsTheFrameAndOnTheLastIndexIsTheResult) {
  for (const FrameCommand &command : kFrameCommands) {
    Open(kThreeStories);
    Select("art 0 1");
    // Index 0 fails: skipped, and index 1 succeeds, so the result is 0.
    Fail("AI Art Set Suite/IndexArtSet:NESS");
    EXPECT_EQ(command.run(&art_, 1), kHostNoErr) << command.name;
    EXPECT_EQ(Traces(), (Texts{command.traces[0], "GetCountArtSet: Start", "GetCountArtSet: End",
                               command.traces[1], command.traces[3]}));
    EXPECT_EQ(Written(command, 1), 1) << command.name;

    Open(kThreeStories);
    Select("art 0");
    Fail("AI Art Set Suite/IndexArtSet:NESS");
    EXPECT_EQ(command.run(&art_, 1), kNess) << command.name;
    EXPECT_NE(Written(command, 0), 1) << command.name;
    ExpectNothingAlive();
  }
}

TEST_F(CommandParagraphTest, AFrameWithoutRangeEndsTheWalkWithItsCode) {
  for (const FrameCommand &command : kFrameCommands) {
    Open(kThreeStories);
    Select("art 0 1 3");
    Fail("AI Text Frame Suite/GetATETextRange:NESS");
    EXPECT_EQ(command.run(&art_, 1), kNess) << command.name;
    EXPECT_EQ(Traces(), (Texts{command.traces[0], "GetCountArtSet: Start", "GetCountArtSet: End",
                               command.traces[2], command.traces[3]}));
    // Frames 1 and 3, which the walk never reached, are untouched.
    EXPECT_NE(Written(command, 1), 1) << command.name;
    EXPECT_NE(Written(command, 2), 1) << command.name;
    ExpectNothingAlive();
  }
}

TEST_F(CommandParagraphTest, AnEngineFailureBecomesTheResult) {
  struct Case {
    const FrameCommand &command;
    const char *failure;
  };
  const Case cases[] = {
      {kFrameCommands[0], "ATE ParaFeatures Suite/SetParagraphDirection:ATEp"},
      {kFrameCommands[1], "ATE TextRange Suite/SetLocalParaFeatures:ATEp"},
      {kFrameCommands[2], "ATE Story Suite/GetFrame:ATEp"},
      {kFrameCommands[2], "ATE TextFrame Suite/SetStoryDirection:ATEp"},
  };
  for (const Case &c : cases) {
    Open(kThreeStories);
    Select("art 0 1");
    Fail(c.failure);
    EXPECT_EQ(c.command.run(&art_, 1), kAtep) << c.failure;
    // The first frame failed, which ended the walk: the second is unchanged.
    EXPECT_NE(Written(c.command, 1), 1) << c.failure;
    EXPECT_EQ(Traces(), (Texts{c.command.traces[0], "GetCountArtSet: Start", "GetCountArtSet: End",
                               c.command.traces[3]}));
    ExpectNothingAlive();
  }
}

TEST_F(CommandParagraphTest, TheArtOutputIsTheLastFrameReached) {
  Select("art 0 3");
  EXPECT_EQ(SetJustification(&art_, 1), kHostNoErr);
  EXPECT_EQ(art_, SelectedFrame(1));
  EXPECT_EQ(SetJustification(nullptr, 2), kHostNoErr);  // no output wanted
  EXPECT_EQ(ParagraphValues(2, "justificationMethod"), Values{2});
}

}  // namespace
}  // namespace texttest
