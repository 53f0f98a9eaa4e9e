// The wrapper pattern against the host engine's reference counts.
#include <gtest/gtest.h>

#include "TextHostTest.h"
#include "base/HostSuites.h"
#include "text/ATEWrappers.h"
#include "text/SelectionAccess.h"

namespace texttest {
namespace {

class TextWrapperTest : public TextHostTest {
 protected:
  void SetUp() override {
    TextHostTest::SetUp();
    Open(kThreeStories);
    Select("art 0");
  }
  // The selection as the module reads it: story 0, all of it.
  ATE::ITextRanges Selection() {
    ATE::ITextRanges ranges;
    GetTextRanges(ranges);
    return ranges;
  }
  ATE::ITextRange FirstFrameRange() {
    AIArtHandle art = nullptr;
    ATE::ITextRange range;
    GetTextRange(&art, range);
    return range;
  }
};

TEST_F(TextWrapperTest, SelfAssignmentKeepsHandleAndCount) {
  ATE::ITextRanges ranges = Selection();
  const TextRangesRef before = ranges.GetRef();
  ASSERT_NE(before, nullptr);
  ASSERT_EQ(Live("TextRanges"), 1);
  ATE::ITextRanges &same = ranges;
  ranges = same;
  EXPECT_EQ(ranges.GetRef(), before);
  EXPECT_EQ(Live("TextRanges"), 1);
}

TEST_F(TextWrapperTest, CopiesOwnAReferenceEachAndAssignmentOfTheSameHandleKeepsTheCount) {
  ATE::ITextRanges first = Selection();
  {
    ATE::ITextRanges second(first);
    EXPECT_EQ(second.GetRef(), first.GetRef());
    EXPECT_EQ(Live("TextRanges"), 2);
    first = second;
    EXPECT_EQ(first.GetRef(), second.GetRef());
    EXPECT_EQ(Live("TextRanges"), 2);
  }
  EXPECT_EQ(Live("TextRanges"), 1);
}

TEST_F(TextWrapperTest, AssignmentReleasesTheOldHandleAndSharesTheNewOne) {
  ATE::ITextRanges empty;  // a new empty set of its own
  ASSERT_EQ(Live("TextRanges"), 1);
  const ATE::ITextRanges selection = Selection();
  ASSERT_EQ(Live("TextRanges"), 2);
  empty = selection;
  EXPECT_EQ(empty.GetRef(), selection.GetRef());
  EXPECT_EQ(Live("TextRanges"), 2);  // the empty set is gone, the selection is held twice
  EXPECT_EQ(empty.GetSize(), 1);
}

TEST_F(TextWrapperTest, NullWrappersAreReleasedWithoutComplaint) {
  {
    ATE::ITextRange range;
    ATE::ITextFrame frame;
    ATE::IGlyphRun glyphs;
    EXPECT_EQ(range.GetRef(), nullptr);
    EXPECT_EQ(frame.GetRef(), nullptr);
    ATE::ITextRange copy(range);
    copy = range;
  }
  EXPECT_TRUE(harness_.host().findings.All().empty());
  ExpectNothingAlive();
}

TEST_F(TextWrapperTest, ANullHandleReachesTheEngineWhoseErrorIsThrown) {
  const ATE::ITextRange range;
  EXPECT_THROW(range.GetParaFeatures(), ATE::Exception);
}

TEST_F(TextWrapperTest, AFailingObjectGetterThrowsTheCodeAndBuildsNothing) {
  const ATE::ITextRange range = FirstFrameRange();
  Fail("ATE TextRange Suite/GetParaFeatures:ATEp");
  try {
    range.GetParaFeatures();
    FAIL() << "no exception";
  } catch (const ATE::Exception &error) {
    EXPECT_EQ(error.error, kAtep);
  }
  EXPECT_EQ(Live("ParaFeatures"), 0);
  EXPECT_EQ(Live("TextRange"), 1);
}

TEST_F(TextWrapperTest, FlagGettersReturnTheValueWithOrWithoutAFlagLocation) {
  // Story 0's paragraphs disagree on the direction: unassigned, read at the start (0).
  const ATE::IParaFeatures mixed = FirstFrameRange().GetParaFeatures();
  bool assigned = true;
  EXPECT_EQ(mixed.GetParagraphDirection(&assigned), 0);
  EXPECT_FALSE(assigned);
  EXPECT_EQ(mixed.GetParagraphDirection(), 0);

  Select("art 1");
  const ATE::IParaFeatures uniform = FirstFrameRange().GetParaFeatures();
  assigned = false;
  EXPECT_EQ(uniform.GetJustificationMethod(&assigned), 2);
  EXPECT_TRUE(assigned);
  EXPECT_EQ(uniform.GetJustificationMethod(), 2);
  EXPECT_TRUE(uniform.GetEveryLineComposer());
}

TEST_F(TextWrapperTest, NewFeaturesHaveNothingAssigned) {
  const ATE::ICharFeatures features;
  bool assigned = true;
  EXPECT_EQ(features.GetDigitSet(&assigned), 0);
  EXPECT_FALSE(assigned);
  features.SetDigitSet(3);
  EXPECT_EQ(features.GetDigitSet(&assigned), 3);
  EXPECT_TRUE(assigned);
}

TEST_F(TextWrapperTest, RunWalkVisitsEveryRunAndReleasesThem) {
  const ATE::ITextRanges ranges = Selection();
  int runs = 0;
  std::vector<DigitSet> digits;
  {
    const ATE::ITextRunsIterator iterator = ranges.GetTextRunsIterator();
    for (iterator.MoveToFirst(); iterator.IsNotDone(); iterator.Next()) {
      digits.push_back(iterator.Item().GetCharFeatures().GetDigitSet());
      ++runs;
    }
    EXPECT_THROW(iterator.Item(), ATE::Exception);  // past the last run
  }
  // "al" with digits 2, "pha" with kashidas 1, then "beta" with neither.
  EXPECT_EQ(digits, (std::vector<DigitSet>{2, 0, 0}));
  EXPECT_EQ(Live("TextRunsIterator"), 0);
  EXPECT_EQ(Live("TextRange"), 0);
  EXPECT_EQ(Live("CharFeatures"), 0);
}

TEST_F(TextWrapperTest, InspectorGivesTheKashidasOfEachRun) {
  const ATE::IArrayKashidas kashidas = FirstFrameRange().GetCharInspector().GetKashidas();
  ASSERT_EQ(kashidas.GetSize(), 3);
  EXPECT_EQ(kashidas.Item(0), 0);
  EXPECT_EQ(kashidas.Item(1), 1);
  EXPECT_EQ(kashidas.Item(2), 0);
  EXPECT_THROW(kashidas.Item(3), ATE::Exception);
}

TEST_F(TextWrapperTest, StoryDirectionIsReadAndWrittenOnTheStorysFirstFrame) {
  const ATE::ITextFrame frame = FirstFrameRange().GetStory().GetFrame(0);
  EXPECT_EQ(frame.GetStoryDirection(), 10);
  frame.SetStoryDirection(1);
  EXPECT_EQ(StoryDirections(), (std::vector<int64_t>{1, 20, 0, 30}));
  EXPECT_THROW(FirstFrameRange().GetStory().GetFrame(1), ATE::Exception);
}

// A suite that start-up could not acquire: the host cannot leave a variable empty once an
// earlier session in this process filled it, so the test empties it itself.
class MissingSuite {
 public:
  explicit MissingSuite(const ATEParaFeaturesSuite *&variable)
      : variable_(variable), saved_(variable) {
    variable_ = nullptr;
  }
  ~MissingSuite() { variable_ = saved_; }
  const ATEParaFeaturesSuite *Saved() const { return saved_; }

 private:
  const ATEParaFeaturesSuite *&variable_;
  const ATEParaFeaturesSuite *saved_;
};

TEST_F(TextWrapperTest, AMissingSuiteIsNeverCalledThrough) {
  ATE::IParaFeatures held = FirstFrameRange().GetParaFeatures();
  const ParaFeaturesRef handle = held.GetRef();
  {
    MissingSuite missing(gATEParaFeaturesSuite);
    try {
      ATE::IParaFeatures created;
      FAIL() << "created without a suite";
    } catch (const ATE::Exception &error) {
      EXPECT_EQ(error.error, kHostSuiteNotFoundErr);
    }
    try {
      held.GetParagraphDirection();
      FAIL() << "called without a suite";
    } catch (const ATE::Exception &error) {
      EXPECT_EQ(error.error, kHostSuiteNotFoundErr);
    }
    // Copy, assignment and destruction touch no count while the suite is missing.
    ATE::IParaFeatures copy(held);
    copy = held;
    held = ATE::IParaFeatures(nullptr);
  }
  EXPECT_EQ(Live("ParaFeatures"), 1);
  gATEParaFeaturesSuite->Release(handle);
  EXPECT_EQ(Live("ParaFeatures"), 0);
}

}  // namespace
}  // namespace texttest
