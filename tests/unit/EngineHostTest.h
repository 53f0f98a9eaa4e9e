// The fixture of the engine tests: the real host without a module, its suites called
// directly as the module calls them, documents opened from JSON text through the script.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "AIArtSetSuite.h"
#include "AIDocumentListSuite.h"
#include "AIDocumentSuite.h"
#include "AITextFrameSuite.h"
#include "ate/ATESuites.h"
#include "host/core/LiveObjects.h"
#include "support/HostHarness.h"
#include "support/TempFolder.h"

namespace enginetest {

using zvtest::Json;

// Story 0: "abcdef" in runs digitSet 1 [0,2), 2 [2,4), 2 with kashidas 1 [4,6), then a
// paragraph "gh" of plain runs; story 1: "xyz" threaded through art 2 and art 3; art 1 is a
// path.
inline const char *const kTwoStories = R"({
  "format": "zarvel-document/1",
  "stories": [
    {"paragraphs": [
      {"text": "abcdef", "paragraphDirection": 1, "justificationMethod": 2,
       "runs": [{"length": 2, "digitSet": 1}, {"length": 2, "digitSet": 2},
                {"length": 2, "digitSet": 2, "kashidas": 1, "diacXOffset": 2.5}]},
      {"text": "gh", "paragraphDirection": 1, "composerEngine": 1}]},
    {"paragraphs": [{"text": "xyz", "everyLineComposer": true}]}
  ],
  "art": [
    {"kind": "text", "story": 0, "storyDirection": 7},
    {"kind": "path"},
    {"kind": "text", "story": 1, "storyDirection": 1},
    {"kind": "text", "story": 1, "storyDirection": 2}
  ]
})";

class EngineHostTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (!expectFindings_) {
      for (const auto &finding : harness_.host().findings.All()) {
        ADD_FAILURE() << finding.operation << ": " << finding.reason;
      }
    }
  }

  template <class Suite>
  const Suite &Acquire(const char *name, int32_t version) {
    const void *table = nullptr;
    EXPECT_EQ(harness_.host().suites.Acquire(name, version, &table), 0) << name;
    return *static_cast<const Suite *>(table);
  }

  void Open(const std::string &document) {
    harness_.Run("open " + temp_.Write("document.json", document));
  }
  void Run(const std::string &line) { harness_.Run(line); }

  // Live references of one kind ("TextRange"), art sets for "ArtSet".
  static size_t Live(const std::string &kind) {
    for (const zvhost::LiveCounter *counter : zvhost::LiveCounter::All()) {
      if (counter->Kind() == kind) return counter->Live();
    }
    ADD_FAILURE() << "no live counter " << kind;
    return 0;
  }
  void ExpectNothingAlive() {
    Json refs = harness_.Dump("refs");
    for (const auto &[kind, count] : refs["live"].items()) EXPECT_EQ(count, 0) << kind;
    EXPECT_EQ(refs["artSets"], 0);
  }

  zvtest::TempFolder temp_;
  // Made first: the suites below are acquired from it.
  zvtest::HostHarness harness_{{}, false};
  // Set by tests that provoke misuse on purpose.
  bool expectFindings_ = false;

  // The text selection, with one reference for the test.
  TextRangesRef SelectedRanges() {
    TextRangesRef selection = nullptr;
    EXPECT_EQ(document_.GetTextSelection(&selection), 0);
    return selection;
  }
  // Characters [from, to) of a story as a range of its own (selected with the text tool).
  TextRangeRef RangeOf(int story, int from, int to) {
    Run("select text " + std::to_string(story) + " " + std::to_string(from) + " " +
        std::to_string(to));
    TextRangesRef selection = SelectedRanges();
    TextRangeRef range = nullptr;
    EXPECT_EQ(ranges_.Item(selection, 0, &range), 0);
    ranges_.Release(selection);
    return range;
  }
  // The art object at a document index, through an art set of all art.
  AIArtHandle ArtAt(int index) {
    AIArtSet set = nullptr;
    AIArtMatch any{kAnyArt, 0, 0};
    AIArtHandle art = nullptr;
    EXPECT_EQ(artSets_.NewArtSet(&set), 0);
    EXPECT_EQ(artSets_.MatchingArtSet(&any, 1, set), 0);
    EXPECT_EQ(artSets_.IndexArtSet(set, index, &art), 0);
    EXPECT_EQ(artSets_.DisposeArtSet(&set), 0);
    return art;
  }
  std::pair<int32_t, int32_t> Bounds(TextRangeRef range) {
    int32_t start = -1, end = -1;
    EXPECT_EQ(range_.GetStart(range, &start), 0);
    EXPECT_EQ(range_.GetEnd(range, &end), 0);
    return {start, end};
  }
  // Every text run of the ranges as [start, end).
  std::vector<std::pair<int32_t, int32_t>> RunBounds(TextRangesRef ranges) {
    std::vector<std::pair<int32_t, int32_t>> bounds;
    TextRunsIteratorRef walk = nullptr;
    EXPECT_EQ(ranges_.GetTextRunsIterator(ranges, &walk), 0);
    HostBool notDone = 0;
    while (runs_.IsNotDone(walk, &notDone) == 0 && notDone) {
      TextRangeRef run = nullptr;
      EXPECT_EQ(runs_.Item(walk, &run), 0);
      bounds.push_back(Bounds(run));
      range_.Release(run);
      EXPECT_EQ(runs_.Next(walk), 0);
    }
    runs_.Release(walk);
    return bounds;
  }
  // The story's runs and paragraphs as the document dump shows them.
  Json Paragraphs(int story) { return harness_.Dump("doc")["stories"][story]["paragraphs"]; }

  const ATETextRangesSuite &ranges_ = Acquire<ATETextRangesSuite>(kATETextRangesSuite, 1);
  const ATETextRangeSuite &range_ = Acquire<ATETextRangeSuite>(kATETextRangeSuite, 1);
  const ATETextRunsIteratorSuite &runs_ =
      Acquire<ATETextRunsIteratorSuite>(kATETextRunsIteratorSuite, 1);
  const ATECharFeaturesSuite &chars_ = Acquire<ATECharFeaturesSuite>(kATECharFeaturesSuite, 101);
  const ATEParaFeaturesSuite &paras_ = Acquire<ATEParaFeaturesSuite>(kATEParaFeaturesSuite, 101);
  const ATECharInspectorSuite &inspector_ =
      Acquire<ATECharInspectorSuite>(kATECharInspectorSuite, 101);
  const ATEArrayKashidasSuite &kashidas_ =
      Acquire<ATEArrayKashidasSuite>(kATEArrayKashidasSuite, 1);
  const ATEStorySuite &story_ = Acquire<ATEStorySuite>(kATEStorySuite, 1);
  const ATETextFrameSuite &frame_ = Acquire<ATETextFrameSuite>(kATETextFrameSuite, 101);
  const AIDocumentSuite12 &document_ = Acquire<AIDocumentSuite12>(kAIDocumentSuite, 12);
  const AIArtSetSuite6 &artSets_ = Acquire<AIArtSetSuite6>(kAIArtSetSuite, 6);
  const AITextFrameSuite2 &textFrames_ = Acquire<AITextFrameSuite2>(kAITextFrameSuite, 2);
  const AIDocumentListSuite6 &documentList_ =
      Acquire<AIDocumentListSuite6>(kAIDocumentListSuite, 6);
};

}  // namespace enginetest
