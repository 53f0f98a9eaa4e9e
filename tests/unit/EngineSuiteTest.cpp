// The text engine, the document and the art set suites as the module sees them: called
// through their tables on documents opened from files.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "EngineHostTest.h"

namespace enginetest {
namespace {

using RunList = std::vector<std::pair<int32_t, int32_t>>;

constexpr HostErr kNess = ZV_FOUR_CHAR('N', 'E', 'S', 'S');

class EngineSuiteTest : public EngineHostTest {
 protected:
  void SetUp() override { Open(kTwoStories); }

  // A character attribute read from a range: its value and whether it is assigned.
  struct Read {
    int32_t value;
    bool assigned;
    bool operator==(const Read &) const = default;
  };
  Read DigitSetOf(CharFeaturesRef features) {
    HostBool assigned = 7;
    DigitSet value = -1;
    EXPECT_EQ(chars_.GetDigitSet(features, &assigned, &value), 0);
    return {value, assigned != 0};
  }
  Read KashidasOf(CharFeaturesRef features) {
    HostBool assigned = 7;
    Kashidas value = -1;
    EXPECT_EQ(chars_.GetKashidas(features, &assigned, &value), 0);
    return {value, assigned != 0};
  }
  // Every value of an array of kashidas, in order.
  std::vector<Kashidas> ValuesOf(ArrayKashidasRef values) {
    int32_t size = 0;
    EXPECT_EQ(kashidas_.GetSize(values, &size), 0);
    std::vector<Kashidas> read(static_cast<size_t>(std::max(size, 0)), -1);
    for (int32_t i = 0; i < size; ++i) {
      EXPECT_EQ(kashidas_.Item(values, i, &read[static_cast<size_t>(i)]), 0);
    }
    return read;
  }
};

TEST_F(EngineSuiteTest, EveryTextEngineSuiteIsOfferedWithItsLeadingOperations) {
#define ZV_CHECK_SUITE(kind, version)                                             \
  {                                                                               \
    const auto &suite = Acquire<ATE##kind##Suite>(ATE_SUITE_NAME(kind), version); \
    ASSERT_NE(suite.AddRef, nullptr) << #kind;                                    \
    ASSERT_NE(suite.Release, nullptr) << #kind;                                   \
    ASSERT_NE(suite.IsNull, nullptr) << #kind;                                    \
    EXPECT_TRUE(suite.IsNull(nullptr)) << #kind;                                  \
    suite.Release(nullptr);                                                       \
  }
  ATE_SUITE_KINDS(ZV_CHECK_SUITE)
#undef ZV_CHECK_SUITE
  EXPECT_TRUE(harness_.host().findings.All().empty());
}

TEST_F(EngineSuiteTest, FeaturesReadFromARangeAreAssignedWhereTheyHaveOneValue) {
  // Story 0: digitSet 1 [0,2), 2 [2,7) with kashidas 1 from 4, plain from 7.
  struct Case {
    int from, to;
    Read digits, kashidas;
  };
  const Case cases[] =
      {
          {0, 2, {1, true}, {0, true}},   {1, 4, {1, false}, {0, true}},
          {3, 6, {2, true}, {0, false}},  {5, 8, {2, false}, {1, false}},
          {4, 4, {0, false}, {0, false}},  // an empty range holds no attribute
      };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "[" << c.from << ", " << c.to << ")");
    TextRangeRef range = RangeOf(0, c.from, c.to);
    CharFeaturesRef features = nullptr;
    ASSERT_EQ(range_.GetCharFeatures(range, &features), 0);
    EXPECT_EQ(DigitSetOf(features), c.digits);
    EXPECT_EQ(KashidasOf(features), c.kashidas);
    chars_.Release(features);
    range_.Release(range);
  }
  // Over several ranges: one value throughout all of them, or the value of the first start.
  Run("select art 0 2");
  TextRangesRef both = SelectedRanges();
  CharFeaturesRef features = nullptr;
  ASSERT_EQ(ranges_.GetCharFeatures(both, &features), 0);
  EXPECT_EQ(DigitSetOf(features), (Read{1, false}));
  HostBool assigned = 0;
  DirOverride direction = -1;
  EXPECT_EQ(chars_.GetDirOverride(features, &assigned, &direction), 0);
  EXPECT_EQ(direction, 0);
  EXPECT_TRUE(assigned);
  chars_.Release(features);
  ranges_.Release(both);
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, ApplyingWritesOnlyTheAssignedAttributesAndKeepsRunsMerged) {
  CharFeaturesRef features = nullptr;
  ASSERT_EQ(chars_.Initialize(&features), 0);
  EXPECT_EQ(DigitSetOf(features), (Read{0, false}));
  ASSERT_EQ(chars_.SetDigitSet(features, 2), 0);
  TextRangeRef first = RangeOf(0, 0, 2);
  ASSERT_EQ(range_.SetLocalCharFeatures(first, features), 0);
  Json runs = Paragraphs(0)[0]["runs"];
  ASSERT_EQ(runs.size(), 2u) << runs.dump();
  EXPECT_EQ(runs[0]["length"], 4);
  EXPECT_EQ(runs[0]["digitSet"], 2);
  EXPECT_EQ(runs[1]["kashidas"], 1);  // not assigned in the features: left alone

  // Features read from the last run carry all of its attributes; written over the first
  // four characters they make the paragraph one run.
  TextRangeRef last = RangeOf(0, 4, 6);
  CharFeaturesRef read = nullptr;
  ASSERT_EQ(range_.GetCharFeatures(last, &read), 0);
  TextRangeRef head = RangeOf(0, 0, 4);
  ASSERT_EQ(range_.SetLocalCharFeatures(head, read), 0);
  runs = Paragraphs(0)[0]["runs"];
  ASSERT_EQ(runs.size(), 1u) << runs.dump();
  EXPECT_EQ(runs[0]["length"], 6);
  EXPECT_EQ(runs[0]["diacXOffset"], 2.5);

  // Written into part of a run, a value splits it in three.
  CharFeaturesRef digits = nullptr;
  ASSERT_EQ(chars_.Initialize(&digits), 0);
  ASSERT_EQ(chars_.SetDigitSet(digits, 3), 0);
  TextRangeRef middle = RangeOf(0, 2, 3);
  ASSERT_EQ(range_.SetLocalCharFeatures(middle, digits), 0);
  runs = Paragraphs(0)[0]["runs"];
  ASSERT_EQ(runs.size(), 3u) << runs.dump();
  EXPECT_EQ(runs[1]["length"], 1);
  EXPECT_EQ(runs[1]["digitSet"], 3);
  EXPECT_EQ(runs[1]["kashidas"], 1);

  for (TextRangeRef range : {first, last, head, middle}) range_.Release(range);
  for (CharFeaturesRef set : {features, read, digits}) chars_.Release(set);
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, TextRunsAreMaximalSpansOfEqualAttributesInsideEachRange) {
  struct Case {
    const char *selection;
    RunList runs;
  };
  const Case cases[] = {
      {"text 0 1 8", {{1, 2}, {2, 4}, {4, 7}, {7, 8}}},
      {"text 0 5 6", {{5, 6}}},
      {"text 0 3 3", {}},
      {"art 2 0", {{0, 2}, {2, 4}, {4, 7}, {7, 9}, {0, 3}}},
      {"art 1", {}},
      {"none", {}},
  };
  for (const Case &c : cases) {
    Run(std::string("select ") + c.selection);
    TextRangesRef selection = SelectedRanges();
    EXPECT_EQ(RunBounds(selection), c.runs) << c.selection;
    ranges_.Release(selection);
  }
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, AFinishedWalkGivesNoRunAndStartsAgainFromTheFirst) {
  Run("select text 1 0 3");
  TextRangesRef selection = SelectedRanges();
  TextRunsIteratorRef walk = nullptr;
  ASSERT_EQ(ranges_.GetTextRunsIterator(selection, &walk), 0);
  ASSERT_EQ(runs_.Next(walk), 0);
  HostBool notDone = 1;
  ASSERT_EQ(runs_.IsNotDone(walk, &notDone), 0);
  EXPECT_FALSE(notDone);
  TextRangeRef run = nullptr;
  EXPECT_EQ(runs_.Item(walk, &run), kATEOutOfRangeErr);
  EXPECT_EQ(run, nullptr);
  EXPECT_EQ(runs_.Next(walk), kATEOutOfRangeErr);
  ASSERT_EQ(runs_.MoveToFirst(walk), 0);
  ASSERT_EQ(runs_.Item(walk, &run), 0);
  EXPECT_EQ(Bounds(run), (std::pair<int32_t, int32_t>{0, 3}));
  range_.Release(run);
  runs_.Release(walk);
  ranges_.Release(selection);
  ExpectNothingAlive();
}

// A walk keeps its run between steps; the module writing features into the story under it
// merges and splits runs, and the walk's next step follows the text as it is then.
TEST_F(EngineSuiteTest, AWalkFollowsTheRunsAsTheModuleWritesThem) {
  auto writeDigitSet = [&](int story, int from, int to, DigitSet digits) {
    CharFeaturesRef features = nullptr;
    ASSERT_EQ(chars_.Initialize(&features), 0);
    ASSERT_EQ(chars_.SetDigitSet(features, digits), 0);
    TextRangeRef range = RangeOf(story, from, to);
    ASSERT_EQ(range_.SetLocalCharFeatures(range, features), 0);
    range_.Release(range);
    chars_.Release(features);
  };
  Run("select text 0 0 9");  // runs [0, 2) [2, 4) [4, 7) [7, 9)
  TextRangesRef selection = SelectedRanges();
  TextRunsIteratorRef walk = nullptr;
  ASSERT_EQ(ranges_.GetTextRunsIterator(selection, &walk), 0);
  auto item = [&]() {
    TextRangeRef run = nullptr;
    EXPECT_EQ(runs_.Item(walk, &run), 0);
    if (run == nullptr) return std::pair<int32_t, int32_t>{-1, -1};
    auto bounds = Bounds(run);
    range_.Release(run);
    return bounds;
  };
  using Span = std::pair<int32_t, int32_t>;

  EXPECT_EQ(item(), (Span{0, 2}));
  writeDigitSet(0, 0, 2, 2);  // the first run joins the second
  EXPECT_EQ(item(), (Span{0, 4}));
  ASSERT_EQ(runs_.Next(walk), 0);
  EXPECT_EQ(item(), (Span{4, 7}));
  writeDigitSet(0, 5, 6, 3);  // the run splits in three
  EXPECT_EQ(item(), (Span{4, 5}));
  ASSERT_EQ(runs_.Next(walk), 0);
  EXPECT_EQ(item(), (Span{5, 6}));
  writeDigitSet(1, 0, 1, 3);  // another story: this walk goes on as it was
  ASSERT_EQ(runs_.Next(walk), 0);
  EXPECT_EQ(item(), (Span{6, 7}));
  ASSERT_EQ(runs_.Next(walk), 0);
  EXPECT_EQ(item(), (Span{7, 9}));
  ASSERT_EQ(runs_.Next(walk), 0);
  HostBool notDone = 1;
  ASSERT_EQ(runs_.IsNotDone(walk, &notDone), 0);
  EXPECT_FALSE(notDone);

  // Started again, the walk reads the runs as they are now.
  ASSERT_EQ(runs_.MoveToFirst(walk), 0);
  EXPECT_EQ(item(), (Span{0, 4}));
  runs_.Release(walk);
  EXPECT_EQ(RunBounds(selection), (RunList{{0, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 9}}));
  ranges_.Release(selection);
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, AnInspectorReadsEveryRunPastTheFewKeptInline) {
  // Nine runs of one character each in story 0, kashidas 0, 1, 2, 0, ...
  std::vector<Kashidas> written;
  for (int32_t at = 0; at < 9; ++at) {
    CharFeaturesRef features = nullptr;
    ASSERT_EQ(chars_.Initialize(&features), 0);
    ASSERT_EQ(chars_.SetKashidas(features, at % 3), 0);
    TextRangeRef character = RangeOf(0, at, at + 1);
    ASSERT_EQ(range_.SetLocalCharFeatures(character, features), 0);
    range_.Release(character);
    chars_.Release(features);
    written.push_back(at % 3);
  }
  const auto readAll = [&](int32_t from, int32_t to) {
    TextRangeRef range = RangeOf(0, from, to);
    CharInspectorRef inspector = nullptr;
    EXPECT_EQ(range_.GetCharInspector(range, &inspector), 0);
    ArrayKashidasRef values = nullptr;
    EXPECT_EQ(inspector_.GetKashidas(inspector, &values), 0);
    const std::vector<Kashidas> read = ValuesOf(values);
    kashidas_.Release(values);
    inspector_.Release(inspector);
    range_.Release(range);
    return read;
  };
  EXPECT_EQ(readAll(0, 9), written);
  // Arrays made after it, in the slots it and its inspector freed, hold only their own runs.
  EXPECT_EQ(readAll(1, 2), (std::vector<Kashidas>{1}));
  EXPECT_EQ(readAll(2, 3), (std::vector<Kashidas>{2}));
  EXPECT_EQ(readAll(3, 9), (std::vector<Kashidas>(written.begin() + 3, written.end())));
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, ACharacterInspectorGivesTheValuesOfTheRunsInOrder) {
  TextRangeRef range = RangeOf(0, 1, 8);
  CharInspectorRef inspector = nullptr;
  ASSERT_EQ(range_.GetCharInspector(range, &inspector), 0);
  ArrayKashidasRef values = nullptr;
  ASSERT_EQ(inspector_.GetKashidas(inspector, &values), 0);
  int32_t size = 0;
  ASSERT_EQ(kashidas_.GetSize(values, &size), 0);
  EXPECT_EQ(ValuesOf(values), (std::vector<Kashidas>{0, 0, 1, 0}));
  Kashidas value = -1;
  EXPECT_EQ(kashidas_.GetLast(values, &value), 0);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(kashidas_.Item(values, size, &value), kATEOutOfRangeErr);
  EXPECT_EQ(kashidas_.Item(values, -1, &value), kATEOutOfRangeErr);

  // An empty range has no run, so its arrays are empty.
  TextRangeRef empty = RangeOf(0, 2, 2);
  CharInspectorRef emptyInspector = nullptr;
  ArrayKashidasRef none = nullptr;
  ASSERT_EQ(range_.GetCharInspector(empty, &emptyInspector), 0);
  ASSERT_EQ(inspector_.GetKashidas(emptyInspector, &none), 0);
  ASSERT_EQ(kashidas_.GetSize(none, &size), 0);
  EXPECT_EQ(size, 0);
  EXPECT_EQ(kashidas_.GetFirst(none, &value), kATEOutOfRangeErr);
  EXPECT_EQ(kashidas_.GetLast(none, &value), kATEOutOfRangeErr);

  kashidas_.Release(none);
  kashidas_.Release(values);
  inspector_.Release(emptyInspector);
  inspector_.Release(inspector);
  range_.Release(empty);
  range_.Release(range);
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, ParagraphFeaturesCoverTheParagraphsTheRangeTouches) {
  struct Case {
    int from, to;
    Read engine, justification;
  };
  // Paragraph 0 [0,7) with its separator: justification 2; paragraph 1 [7,9): engine 1.
  const Case cases[] = {
      {0, 3, {0, true}, {2, true}}, {5, 8, {0, false}, {2, false}},
      {6, 7, {0, true}, {2, true}},  // the separator belongs to paragraph 0
      {7, 7, {1, true}, {0, true}},  // an empty range: the paragraph that holds it
      {9, 9, {1, true}, {0, true}},  // the story's end is in its last paragraph
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << "[" << c.from << ", " << c.to << ")");
    TextRangeRef range = RangeOf(0, c.from, c.to);
    ParaFeaturesRef features = nullptr;
    ASSERT_EQ(range_.GetParaFeatures(range, &features), 0);
    HostBool assigned = 0;
    int32_t value = -1;
    ASSERT_EQ(paras_.GetComposerEngine(features, &assigned, &value), 0);
    EXPECT_EQ((Read{value, assigned != 0}), c.engine);
    ASSERT_EQ(paras_.GetJustificationMethod(features, &assigned, &value), 0);
    EXPECT_EQ((Read{value, assigned != 0}), c.justification);
    paras_.Release(features);
    range_.Release(range);
  }

  ParaFeaturesRef direction = nullptr;
  ASSERT_EQ(paras_.Initialize(&direction), 0);
  ASSERT_EQ(paras_.SetParagraphDirection(direction, 0), 0);
  ASSERT_EQ(paras_.SetEveryLineComposer(direction, 5), 0);  // any true value is true
  TextRangeRef second = RangeOf(0, 8, 9);
  ASSERT_EQ(range_.SetLocalParaFeatures(second, direction), 0);
  Json paragraphs = Paragraphs(0);
  EXPECT_EQ(paragraphs[0]["paragraphDirection"], 1);
  EXPECT_EQ(paragraphs[1]["paragraphDirection"], 0);
  EXPECT_EQ(paragraphs[1]["everyLineComposer"], true);
  EXPECT_EQ(paragraphs[1]["composerEngine"], 1);  // not assigned: kept
  paras_.Release(direction);
  range_.Release(second);
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, TheTextSelectionFollowsWhatIsSelected) {
  struct Case {
    const char *selection;
    std::vector<std::pair<int32_t, std::pair<int32_t, int32_t>>> ranges;  // story, bounds
  };
  const Case cases[] = {
      // One range per distinct story of the selected frames, whole, in art order.
      {"art 3 2 0 1", {{7, {0, 9}}, {1, {0, 3}}}},
      {"art 1", {}},
      {"text 1 1 2", {{1, {1, 2}}}},
      {"text 0 4 4", {{7, {4, 4}}}},
      {"none", {}},
  };
  for (const Case &c : cases) {
    Run(std::string("select ") + c.selection);
    TextRangesRef selection = SelectedRanges();
    int32_t size = -1;
    ASSERT_EQ(ranges_.GetSize(selection, &size), 0);
    ASSERT_EQ(size, static_cast<int32_t>(c.ranges.size())) << c.selection;
    for (int32_t i = 0; i < size; ++i) {
      TextRangeRef range = nullptr;
      StoryRef story = nullptr;
      TextFrameRef first = nullptr;
      int32_t direction = -1;
      ASSERT_EQ(ranges_.Item(selection, i, &range), 0);
      EXPECT_EQ(Bounds(range), c.ranges[i].second) << c.selection;
      // The story is told by the direction of its first frame.
      ASSERT_EQ(range_.GetStory(range, &story), 0);
      ASSERT_EQ(story_.GetFrame(story, 0, &first), 0);
      ASSERT_EQ(frame_.GetStoryDirection(first, &direction), 0);
      EXPECT_EQ(direction, c.ranges[i].first) << c.selection;
      frame_.Release(first);
      story_.Release(story);
      range_.Release(range);
    }
    HostBool has = 7;
    ASSERT_EQ(document_.HasTextSelection(&has), 0);
    EXPECT_EQ(has != 0, size > 0) << c.selection;
    ranges_.Release(selection);
  }
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, ArtSetsListMatchingArtInDocumentOrder) {
  struct Case {
    const char *selection;
    AIArtMatch match;
    std::vector<int> art;
  };
  const AIArtMatch wholeFrames{kTextFrameArt, kArtFullySelected, kArtFullySelected};
  const AIArtMatch selectedFrames{kTextFrameArt, kArtSelected, kArtSelected};
  const Case cases[] = {
      {"art 3 0 1", wholeFrames, {0, 3}},     {"art 1", wholeFrames, {}},
      {"text 1 0 1", wholeFrames, {}},  // the text tool selects no frame as a whole
      {"text 1 0 1", selectedFrames, {2, 3}}, {"none", {kAnyArt, 0, 0}, {0, 1, 2, 3}},
      {"none", {kPathArt, 0, 0}, {1}},
  };
  for (const Case &c : cases) {
    Run(std::string("select ") + c.selection);
    std::vector<AIArtHandle> expected;
    for (int index : c.art) expected.push_back(ArtAt(index));
    AIArtSet set = nullptr;
    ASSERT_EQ(artSets_.NewArtSet(&set), 0);
    AIArtMatch match = c.match;
    ASSERT_EQ(artSets_.MatchingArtSet(&match, 1, set), 0);
    int32_t count = -1;
    ASSERT_EQ(artSets_.CountArtSet(set, &count), 0);
    std::vector<AIArtHandle> found(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) ASSERT_EQ(artSets_.IndexArtSet(set, i, &found[i]), 0);
    EXPECT_EQ(found, expected) << c.selection;
    AIArtHandle untouched = nullptr;
    EXPECT_EQ(artSets_.IndexArtSet(set, count, &untouched), kHostBadParameterErr);
    EXPECT_EQ(untouched, nullptr);
    EXPECT_EQ(Live("ArtSet"), 1u);
    ASSERT_EQ(artSets_.DisposeArtSet(&set), 0);
    EXPECT_EQ(set, nullptr);
  }
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, AStoryIsThreadedThroughItsFramesInArtOrder) {
  TextFrameRef last = nullptr;
  ASSERT_EQ(textFrames_.GetATETextFrame(ArtAt(3), &last), 0);
  StoryRef story = nullptr;
  ASSERT_EQ(frame_.GetStory(last, &story), 0);
  int32_t count = 0;
  ASSERT_EQ(story_.GetFrameCount(story, &count), 0);
  EXPECT_EQ(count, 2);
  std::vector<int32_t> directions;
  for (int32_t i = 0; i < count; ++i) {
    TextFrameRef frame = nullptr;
    int32_t direction = -1;
    ASSERT_EQ(story_.GetFrame(story, i, &frame), 0);
    ASSERT_EQ(frame_.GetStoryDirection(frame, &direction), 0);
    directions.push_back(direction);
    frame_.Release(frame);
  }
  EXPECT_EQ(directions, (std::vector<int32_t>{1, 2}));
  TextFrameRef none = nullptr;
  EXPECT_EQ(story_.GetFrame(story, 2, &none), kATEOutOfRangeErr);
  EXPECT_EQ(none, nullptr);

  // Every frame's range, from either suite, covers the whole story.
  TextRangeRef fromFrame = nullptr, fromArt = nullptr, fromStory = nullptr;
  ASSERT_EQ(frame_.GetTextRange(last, &fromFrame), 0);
  ASSERT_EQ(textFrames_.GetATETextRange(ArtAt(3), &fromArt), 0);
  ASSERT_EQ(story_.GetTextRange(story, &fromStory), 0);
  for (TextRangeRef range : {fromFrame, fromArt, fromStory}) {
    EXPECT_EQ(Bounds(range), (std::pair<int32_t, int32_t>{0, 3}));
  }
  HostBool equal = 0;
  ASSERT_EQ(range_.IsEqual(fromFrame, fromArt, &equal), 0);
  EXPECT_TRUE(equal);

  // The story direction is each frame's own.
  ASSERT_EQ(frame_.SetStoryDirection(last, -40), 0);
  Json art = harness_.Dump("doc")["art"];
  EXPECT_EQ(art[2]["storyDirection"], 1);
  EXPECT_EQ(art[3]["storyDirection"], -40);

  // A path has no text.
  TextRangeRef pathRange = nullptr;
  EXPECT_EQ(textFrames_.GetATETextRange(ArtAt(1), &pathRange), kHostBadParameterErr);
  EXPECT_EQ(pathRange, nullptr);

  for (TextRangeRef range : {fromFrame, fromArt, fromStory}) range_.Release(range);
  story_.Release(story);
  frame_.Release(last);
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, FloatsAndIntegersAreStoredExactlyAsGiven) {
  CharFeaturesRef features = nullptr;
  ASSERT_EQ(chars_.Initialize(&features), 0);
  const float values[] = {-10.0f,
                          2.5f,
                          0.1f,
                          -0.0f,
                          std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::max()};
  for (float given : values) {
    ASSERT_EQ(chars_.SetDiacYOffset(features, given), 0);
    HostBool assigned = 0;
    float read = 0;
    ASSERT_EQ(chars_.GetDiacYOffset(features, &assigned, &read), 0);
    EXPECT_EQ(std::memcmp(&read, &given, sizeof read), 0) << given;
    EXPECT_TRUE(assigned);
  }
  for (int32_t given : {std::numeric_limits<int32_t>::min(), -1, 99, INT32_MAX}) {
    ASSERT_EQ(chars_.SetDiacVPos(features, given), 0);
    DiacVPos read = 0;
    ASSERT_EQ(chars_.GetDiacVPos(features, nullptr, &read), 0);  // no flag wanted
    EXPECT_EQ(read, given);
  }
  chars_.Release(features);
}

TEST_F(EngineSuiteTest, BadArgumentsAreRefusedWithEngineCodes) {
  TextRangesRef selection = SelectedRanges();
  CharFeaturesRef features = nullptr;
  ASSERT_EQ(chars_.Initialize(&features), 0);
  int32_t number = 0;
  TextRangeRef range = nullptr;
  DigitSet digits = 0;
  struct Case {
    const char *call;
    ATEErr result;
    ATEErr expected;
  };
  const Case cases[] = {
      {"GetStart of a null range", range_.GetStart(nullptr, &number), kATEBadParameterErr},
      {"GetSize into nothing", ranges_.GetSize(selection, nullptr), kATEBadParameterErr},
      {"Item past the end", ranges_.Item(selection, 0, &range), kATEOutOfRangeErr},
      {"Item before the start", ranges_.Item(selection, -1, &range), kATEOutOfRangeErr},
      {"a getter into nothing", chars_.GetDigitSet(features, nullptr, nullptr),
       kATEBadParameterErr},
      {"apply null features", ranges_.SetLocalCharFeatures(selection, nullptr),
       kATEBadParameterErr},
      {"features of a null range", range_.GetCharFeatures(nullptr, &features), kATEBadParameterErr},
      {"a walk of null ranges", runs_.MoveToFirst(nullptr), kATEBadParameterErr},
      {"art set count of nothing", artSets_.CountArtSet(nullptr, &number), kHostBadParameterErr},
      {"matching with no matches", artSets_.MatchingArtSet(nullptr, 1, nullptr),
       kHostBadParameterErr},
      {"a frame of no art", textFrames_.GetATETextRange(nullptr, &range), kHostBadParameterErr},
      {"digits of null features", chars_.GetDigitSet(nullptr, nullptr, &digits),
       kATEBadParameterErr},
  };
  for (const Case &c : cases) EXPECT_EQ(c.result, c.expected) << c.call;
  EXPECT_EQ(range, nullptr);
  chars_.Release(features);
  ranges_.Release(selection);
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, HandlesOfAClosedDocumentAreRefusedWhileOthersStayUsable) {
  Run("select art 0");
  TextRangesRef selection = SelectedRanges();
  TextRangeRef range = RangeOf(0, 0, 4);
  StoryRef story = nullptr;
  TextFrameRef frame = nullptr;
  CharInspectorRef inspector = nullptr;
  TextRunsIteratorRef walk = nullptr;
  CharFeaturesRef features = nullptr;
  ASSERT_EQ(range_.GetStory(range, &story), 0);
  ASSERT_EQ(story_.GetFrame(story, 0, &frame), 0);
  ASSERT_EQ(range_.GetCharInspector(range, &inspector), 0);
  ASSERT_EQ(ranges_.GetTextRunsIterator(selection, &walk), 0);
  ASSERT_EQ(range_.GetCharFeatures(range, &features), 0);
  AIArtHandle art = ArtAt(0);

  Run("close");
  Open(kTwoStories);  // another document, with the same shape, is open now
  int32_t number = 0;
  ArrayKashidasRef values = nullptr;
  TextRangeRef run = nullptr;
  EXPECT_EQ(range_.GetStart(range, &number), kATEBadParameterErr);
  EXPECT_EQ(range_.SetLocalCharFeatures(range, features), kATEBadParameterErr);
  EXPECT_EQ(story_.GetFrameCount(story, &number), kATEBadParameterErr);
  EXPECT_EQ(frame_.GetStoryDirection(frame, &number), kATEBadParameterErr);
  EXPECT_EQ(inspector_.GetKashidas(inspector, &values), kATEBadParameterErr);
  EXPECT_EQ(runs_.Item(walk, &run), kATEBadParameterErr);
  EXPECT_EQ(ranges_.GetCharFeatures(selection, &features), kATEBadParameterErr);
  EXPECT_EQ(textFrames_.GetATETextRange(art, &run), kHostBadParameterErr);
  // Features are values of their own, not text of a document.
  EXPECT_EQ(DigitSetOf(features), (Read{1, false}));
  // The new document was not touched.
  EXPECT_EQ(Paragraphs(0)[0]["runs"][0]["digitSet"], 1);

  range_.Release(range);
  story_.Release(story);
  frame_.Release(frame);
  inspector_.Release(inspector);
  runs_.Release(walk);
  chars_.Release(features);
  ranges_.Release(selection);
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, OperationsThatNeedADocumentSayNoneIsOpen) {
  Run("close");
  TextRangesRef selection = nullptr;
  HostBool has = 0;
  AIArtSet set = nullptr;
  AIArtMatch any{kAnyArt, 0, 0};
  TextRangeRef range = nullptr;
  int32_t count = -1;
  EXPECT_EQ(document_.GetTextSelection(&selection), kHostNoDocumentErr);
  EXPECT_EQ(selection, nullptr);
  EXPECT_EQ(document_.HasTextSelection(&has), kHostNoDocumentErr);
  ASSERT_EQ(artSets_.NewArtSet(&set), 0);
  EXPECT_EQ(artSets_.MatchingArtSet(&any, 1, set), kHostNoDocumentErr);
  EXPECT_EQ(textFrames_.GetATETextRange(reinterpret_cast<AIArtHandle>(1), &range),
            kHostNoDocumentErr);
  ASSERT_EQ(documentList_.Count(&count), 0);
  EXPECT_EQ(count, 0);
  ASSERT_EQ(artSets_.DisposeArtSet(&set), 0);
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, EveryReferenceIsCountedByKindUntilItsLastRelease) {
  TextRangeRef range = RangeOf(0, 0, 9);
  EXPECT_EQ(Live("TextRange"), 1u);
  range_.AddRef(range);
  EXPECT_EQ(Live("TextRange"), 2u);
  range_.Release(range);
  int32_t start = -1;
  EXPECT_EQ(range_.GetStart(range, &start), 0);  // one reference is left
  EXPECT_FALSE(range_.IsNull(range));
  range_.Release(range);
  EXPECT_EQ(Live("TextRange"), 0u);
  EXPECT_TRUE(harness_.host().findings.All().empty());

  // A new object may take the old one's slot; the old handle stays dead.
  TextRangeRef next = RangeOf(0, 1, 2);
  EXPECT_NE(next, range);
  expectFindings_ = true;
  EXPECT_EQ(range_.GetStart(range, &start), kATEBadParameterErr);
  EXPECT_TRUE(range_.IsNull(range));
  range_.Release(range);
  range_.Release(next);

  AIArtSet set = nullptr;
  ASSERT_EQ(artSets_.NewArtSet(&set), 0);
  AIArtSet copy = set;
  ASSERT_EQ(artSets_.DisposeArtSet(&set), 0);
  EXPECT_EQ(artSets_.DisposeArtSet(&copy), kHostBadParameterErr);
  Acquire<ATEGlyphRunSuite>(kATEGlyphRunSuite, 1).Release(reinterpret_cast<GlyphRunRef>(8));

  std::vector<std::string> found;
  for (const auto &finding : harness_.host().findings.All()) {
    found.push_back(finding.operation + ": " + finding.reason);
  }
  EXPECT_EQ(found, (std::vector<std::string>{
                       "ATE TextRange Suite/GetStart: use of a released or unknown handle",
                       "ATE TextRange Suite/IsNull: use of a released or unknown handle",
                       "ATE TextRange Suite/Release: release of a dead reference",
                       "AI Art Set Suite/DisposeArtSet: use of a released or unknown handle",
                       "ATE GlyphRun Suite/Release: a handle of a kind this host never hands out",
                   }));
  ExpectNothingAlive();
}

// A call takes one way while no failure is planned and another while one is: both count it
// alike and answer alike.
TEST_F(EngineSuiteTest, CallsAreCountedAndAnsweredAlikeWhetherOrNotAFailureIsPlanned) {
  const std::string itemName = "ATE TextRunsIterator Suite/Item";
  Run("select text 0 0 6");
  TextRangesRef selection = SelectedRanges();
  TextRunsIteratorRef walk = nullptr;
  ASSERT_EQ(ranges_.GetTextRunsIterator(selection, &walk), 0);
  const zvhost::FailurePlan &failures = harness_.host().failures;
  const uint64_t before = failures.Calls(itemName);

  // Item's call number before+3 fails: the steps before it go the planned way, those after
  // it, with the rule used up, the common way again.
  Run("fail \"" + itemName + ":NESS@" + std::to_string(before + 3) + "\"");
  RunList seen;
  std::vector<ATEErr> answers;
  for (int step = 0; step < 5; ++step) {
    TextRangeRef run = nullptr;
    answers.push_back(runs_.Item(walk, &run));
    if (run != nullptr) {
      seen.push_back(Bounds(run));
      range_.Release(run);
    }
    if (answers.back() == 0) {
      ASSERT_EQ(runs_.Next(walk), 0);
    }
  }
  EXPECT_EQ(answers, (std::vector<ATEErr>{0, 0, kNess, 0, kATEOutOfRangeErr}));
  EXPECT_EQ(seen, (RunList{{0, 2}, {2, 4}, {4, 6}}));
  EXPECT_EQ(failures.Calls(itemName), before + 5);
  runs_.Release(walk);
  ranges_.Release(selection);
  ExpectNothingAlive();
}

// The run walk's steps and the readers of each run and of its kashidas report a handle they
// cannot use under their own operation's name; a null handle is refused without a report.
TEST_F(EngineSuiteTest, TheStepsOfARunWalkReportMisuseUnderTheirOwnNames) {
  TextRangesRef selection = SelectedRanges();
  TextRunsIteratorRef walk = nullptr;
  ASSERT_EQ(ranges_.GetTextRunsIterator(selection, &walk), 0);
  TextRangeRef range = RangeOf(0, 0, 4);
  CharFeaturesRef features = nullptr;
  ASSERT_EQ(range_.GetCharFeatures(range, &features), 0);
  CharInspectorRef inspector = nullptr;
  ASSERT_EQ(range_.GetCharInspector(range, &inspector), 0);
  ArrayKashidasRef kashidas = nullptr;
  ASSERT_EQ(inspector_.GetKashidas(inspector, &kashidas), 0);
  runs_.Release(walk);
  chars_.Release(features);
  kashidas_.Release(kashidas);
  inspector_.Release(inspector);
  expectFindings_ = true;

  HostBool notDone = 0;
  TextRangeRef run = nullptr;
  DigitSet digits = 0;
  int32_t size = 0;
  Kashidas value = 0;
  const ATEErr answers[] = {
      runs_.IsNotDone(walk, &notDone),
      runs_.Next(walk),
      runs_.Item(walk, &run),
      runs_.MoveToFirst(walk),
      range_.GetCharFeatures(reinterpret_cast<TextRangeRef>(selection), &features),
      range_.GetCharInspector(nullptr, &inspector),
      chars_.GetDigitSet(features, nullptr, &digits),
      inspector_.GetKashidas(inspector, &kashidas),
      kashidas_.GetSize(kashidas, &size),
      kashidas_.Item(kashidas, 0, &value),
      kashidas_.GetFirst(kashidas, &value),
      kashidas_.GetLast(kashidas, &value),
  };
  for (ATEErr answer : answers) EXPECT_EQ(answer, kATEBadParameterErr);
  std::vector<std::string> found;
  for (const auto &finding : harness_.host().findings.All()) {
    found.push_back(finding.operation + ": " + finding.reason);
  }
  const std::string dead = ": use of a released or unknown handle";
  EXPECT_EQ(found, (std::vector<std::string>{
                       "ATE TextRunsIterator Suite/IsNotDone" + dead,
                       "ATE TextRunsIterator Suite/Next" + dead,
                       "ATE TextRunsIterator Suite/Item" + dead,
                       "ATE TextRunsIterator Suite/MoveToFirst" + dead,
                       "ATE TextRange Suite/GetCharFeatures: TextRange expected, but the handle "
                       "names an object of another kind",
                       "ATE CharFeatures Suite/GetDigitSet" + dead,
                       "ATE CharInspector Suite/GetKashidas" + dead,
                       "ATE ArrayKashidas Suite/GetSize" + dead,
                       "ATE ArrayKashidas Suite/Item" + dead,
                       "ATE ArrayKashidas Suite/GetFirst" + dead,
                       "ATE ArrayKashidas Suite/GetLast" + dead,
                   }));
  range_.Release(range);
  ranges_.Release(selection);
  ExpectNothingAlive();
}

TEST_F(EngineSuiteTest, EveryOperationThatReturnsACodeCanBeMadeToFail) {
  std::vector<std::string> all = harness_.host().suites.AllOperations();
  auto listed = [&](const std::string &name) {
    return std::find(all.begin(), all.end(), name) != all.end();
  };
  for (const char *name :
       {"ATE TextRange Suite/GetStory", "ATE TextRunsIterator Suite/Next",
        "ATE CharFeatures Suite/SetKashidas", "ATE ParaFeatures Suite/GetEveryLineComposer",
        "ATE ArrayKashidas Suite/Item", "ATE TextFrame Suite/SetStoryDirection",
        "AI Document Suite/GetTextSelection", "AI Art Set Suite/IndexArtSet",
        "AI Art Set Suite/DisposeArtSet", "AI Text Frame Suite/GetATETextRange",
        "AI Document List Suite/Count"}) {
    EXPECT_TRUE(listed(name)) << name;
  }
  // The leading operations return nothing, so there is nothing they could fail with.
  EXPECT_FALSE(listed("ATE TextRange Suite/Release"));
  EXPECT_FALSE(listed("ATE GlyphRun Suite/AddRef"));

  Run("fail \"ATE TextRange Suite/GetStory:NESS\"");
  TextRangeRef range = RangeOf(0, 0, 1);
  StoryRef story = nullptr;
  EXPECT_EQ(range_.GetStory(range, &story), kNess);
  EXPECT_EQ(story, nullptr);
  EXPECT_EQ(range_.GetStory(range, &story), 0);  // once only
  story_.Release(story);
  range_.Release(range);

  Run("fail \"AI Document List Suite/Count:-108:0\"");
  int32_t count = -1;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(documentList_.Count(&count), -108);
  EXPECT_EQ(count, -1);
  ExpectNothingAlive();
}

}  // namespace
}  // namespace enginetest
