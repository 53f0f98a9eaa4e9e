// The two views of the selection: the text selection and the selected text frames.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextHostTest.h"
#include "base/HostSuites.h"
#include "text/ATEWrappers.h"
#include "text/OwnedArtSet.h"
#include "text/SelectedFrameSet.h"
#include "text/SelectionAccess.h"

namespace texttest {
namespace {

using Texts = std::vector<std::string>;

class TextSelectionAccessTest : public TextHostTest {
 protected:
  void SetUp() override {
    TextHostTest::SetUp();
    Open(kThreeStories);
  }
  // The story direction of the first frame of the range's story, which names the story.
  static int32_t StoryOf(const ATE::ITextRange &range) {
    return range.GetStory().GetFrame(0).GetStoryDirection();
  }
};

TEST_F(TextSelectionAccessTest, CountsOnlyTextFramesSelectedAsAWhole) {
  struct Case {
    const char *selection;
    int32_t count;
  };
  for (const Case &c : {Case{"art 0 1 2 3", 3}, Case{"art 2", 0}, Case{"art 3", 1}, Case{"none", 0},
                        Case{"text 0 1 3", 0}}) {
    Select(c.selection);
    {
      OwnedArtSet artSet;
      int32_t count = 0;
      GetCountArtSet(artSet.Address(), &count);
      EXPECT_NE(artSet.Get(), nullptr) << c.selection;
      EXPECT_EQ(count, c.count) << c.selection;
    }
    EXPECT_EQ(Traces(), (Texts{"GetCountArtSet: Start", "GetCountArtSet: End"}));
    ExpectNothingAlive();
  }
}

TEST_F(TextSelectionAccessTest, AFailedArtSetRequestLeavesTheCountAndIsTraced) {
  struct Case {
    const char *operation;
    const char *trace;
    bool made;
  };
  const Case cases[] = {
      {"NewArtSet", "GetCountArtSet : Didn't create the new artset ( NewArtSet )", false},
      {"MatchingArtSet",
       "GetCountArtSet : Didn't Match the artset with desired one ( MatchingArtSet )", true},
      {"CountArtSet", "GetCountArtSet : Didn't able to count total Artset ( CountArtSet )", true},
  };
  Select("art 0 1");
  for (const Case &c : cases) {
    Fail(std::string("AI Art Set Suite/") + c.operation + ":NESS");
    {
      OwnedArtSet artSet;
      int32_t count = 0;
      GetCountArtSet(artSet.Address(), &count);
      EXPECT_EQ(count, 0) << c.operation;
      EXPECT_EQ(artSet.Get() != nullptr, c.made) << c.operation;
    }
    EXPECT_EQ(Traces(), (Texts{"GetCountArtSet: Start", c.trace, "GetCountArtSet: End"}));
    ExpectNothingAlive();
  }
}

TEST_F(TextSelectionAccessTest, TextRangesTakesTheSelectionWithAReferenceOfItsOwn) {
  Select("text 0 1 4");
  {
    ATE::ITextRanges ranges;
    GetTextRanges(ranges);
    EXPECT_EQ(ranges.GetSize(), 1);
    EXPECT_EQ(Live("TextRanges"), 1);
  }
  EXPECT_EQ(Traces(), (Texts{"GetTextRanges: Start", "GetTextRanges: End"}));
  ExpectNothingAlive();

  Select("art 0 1 3");
  ATE::ITextRanges ranges;
  GetTextRanges(ranges);
  EXPECT_EQ(ranges.GetSize(), 3);  // one range per story

  Select("none");
  GetTextRanges(ranges);
  EXPECT_EQ(ranges.GetSize(), 0);
}

TEST_F(TextSelectionAccessTest, AFailedTextSelectionLeavesTheRangesAsTheyWere) {
  Select("art 0");
  ATE::ITextRanges ranges;
  const TextRangesRef before = ranges.GetRef();
  Fail("AI Document Suite/GetTextSelection:NESS");
  GetTextRanges(ranges);
  EXPECT_EQ(ranges.GetRef(), before);
  EXPECT_EQ(ranges.GetSize(), 0);
  EXPECT_EQ(Traces(),
            (Texts{"GetTextRanges: Start", "GetTextRanges : Didn't get TextSelection Area",
                   "GetTextRanges: End"}));

  harness_.Run("close");
  Traces();
  GetTextRanges(ranges);
  EXPECT_EQ(ranges.GetRef(), before);
  EXPECT_EQ(Traces(),
            (Texts{"GetTextRanges: Start", "GetTextRanges : Didn't get TextSelection Area",
                   "GetTextRanges: End"}));
}

TEST_F(TextSelectionAccessTest, TextRangeIsTheLastSelectedFramesRange) {
  Select("art 3 0 2");  // art sets list frames in document order: 0, then 3
  AIArtHandle art = nullptr;
  ATE::ITextRange range;
  GetTextRange(&art, range);
  EXPECT_EQ(StoryOf(range), 30);
  EXPECT_EQ(Traces(), (Texts{"GetTextRange: Start", "GetCountArtSet: Start", "GetCountArtSet: End",
                             "GetTextRange: End"}));
  EXPECT_EQ(art, SelectedFrame(1));
  range = ATE::ITextRange();
  art = nullptr;
  ExpectNothingAlive();
}

TEST_F(TextSelectionAccessTest, WithoutSelectedFramesTheOutputsStayAsTheyWere) {
  Select("art 2");
  AIArtHandle art = nullptr;
  ATE::ITextRange range;
  GetTextRange(&art, range);
  EXPECT_EQ(range.GetRef(), nullptr);
  EXPECT_EQ(art, nullptr);

  const ATE::IParaFeatures features = GetParaFeature(&art);
  bool assigned = true;
  EXPECT_EQ(features.GetParagraphDirection(&assigned), 0);
  EXPECT_FALSE(assigned);
  EXPECT_EQ(art, nullptr);
  EXPECT_EQ(Live("ParaFeatures"), 1);
  EXPECT_EQ(harness_.Dump("refs").value("artSets", -1), 0);
}

TEST_F(TextSelectionAccessTest, AnIndexThatCannotBeHadIsSkipped) {
  Select("art 0 1");
  Fail("AI Art Set Suite/IndexArtSet:NESS");
  AIArtHandle art = nullptr;
  const ATE::IParaFeatures features = GetParaFeature(&art);
  EXPECT_EQ(features.GetJustificationMethod(), 2);  // frame 1's story
  EXPECT_EQ(
      Traces(),
      (Texts{"GetParaFeature: Start", "GetCountArtSet: Start", "GetCountArtSet: End",
             "GetParaFeature : Didn't able to retrieve the artset with index no.( IndexArtSet )",
             "GetParaFeature: End"}));
}

TEST_F(TextSelectionAccessTest, AFrameWithoutRangeEndsTheWalk) {
  Select("art 0 1 3");
  Fail("AI Text Frame Suite/GetATETextRange:NESS");
  AIArtHandle art = nullptr;
  ATE::ITextRange range;
  GetTextRange(&art, range);
  EXPECT_EQ(range.GetRef(), nullptr);
  const Texts traces = Traces();
  ASSERT_EQ(traces.size(), 5u);
  EXPECT_EQ(traces[3].rfind("GetTextRange : ", 0), 0u) << traces[3];
  EXPECT_NE(traces[3].find("GetATETextFrame"), std::string::npos) << traces[3];
  EXPECT_EQ(art, SelectedFrame(0));  // stored before its range was asked for
  Traces();

  Fail("AI Text Frame Suite/GetATETextRange:NESS");
  const ATE::IParaFeatures features = GetParaFeature(&art);
  EXPECT_EQ(Traces(),
            (Texts{"GetParaFeature: Start", "GetCountArtSet: Start", "GetCountArtSet: End",
                   "GetParaFeature : didn't able to retrieve ATE textframe OBJECT corresponding "
                   "illustrator Textframe OBJECT ( GetATETextFrame )",
                   "GetParaFeature: End"}));
  EXPECT_FALSE(features.GetEveryLineComposer());  // the empty set, not a later frame's
}

TEST_F(TextSelectionAccessTest, AnEngineFailureIsDroppedAndEverythingReleased) {
  Select("art 0 1 3");
  Fail("ATE TextRange Suite/GetParaFeatures:ATEp");
  {
    AIArtHandle art = nullptr;
    const ATE::IParaFeatures features = GetParaFeature(&art);
    EXPECT_NE(features.GetRef(), nullptr);  // the empty set made first
    EXPECT_EQ(Traces(), (Texts{"GetParaFeature: Start", "GetCountArtSet: Start",
                               "GetCountArtSet: End", "GetParaFeature: End"}));
  }
  ExpectNothingAlive();
}

TEST_F(TextSelectionAccessTest, ParaFeatureIsTheLastSelectedFramesFeatures) {
  Select("art 0 1 3");
  AIArtHandle art = nullptr;
  const ATE::IParaFeatures features = GetParaFeature(&art);
  EXPECT_EQ(features.GetComposerEngine(), 1);  // story 2
  EXPECT_EQ(art, SelectedFrame(2));
  EXPECT_EQ(Live("ParaFeatures"), 1);
}

TEST_F(TextSelectionAccessTest, NoDocumentMeansNoFrames) {
  harness_.Run("close");
  Traces();
  AIArtHandle art = nullptr;
  ATE::ITextRange range;
  GetTextRange(&art, range);
  EXPECT_EQ(range.GetRef(), nullptr);
  ExpectNothingAlive();
}

}  // namespace
}  // namespace texttest
