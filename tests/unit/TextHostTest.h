// The fixture of the text-engine, selection and command tests: the real host running the
// linked module, a document opened from JSON text, and readers for what the document holds
// afterwards and what is still alive.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/HostSuites.h"
#include "support/HostHarness.h"
#include "support/TempFolder.h"
#include "text/OwnedArtSet.h"
#include "text/SelectedFrameSet.h"
#include "text/SelectionAccess.h"

namespace texttest {

using zvtest::Json;

// Three one-frame stories and a path. Story 0 has two paragraphs that disagree on the
// paragraph direction; each frame has its own story direction so that it can be told apart.
inline const char *const kThreeStories = R"({
  "format": "zarvel-document/1",
  "stories": [
    {"paragraphs": [
      {"text": "alpha", "runs": [{"length": 2, "digitSet": 2}, {"length": 3, "kashidas": 1}]},
      {"text": "beta", "paragraphDirection": 1}]},
    {"paragraphs": [{"text": "gamma", "justificationMethod": 2, "everyLineComposer": true}]},
    {"paragraphs": [{"text": "delta", "composerEngine": 1, "everyLineComposer": true}]}
  ],
  "art": [
    {"kind": "text", "story": 0, "storyDirection": 10},
    {"kind": "text", "story": 1, "storyDirection": 20},
    {"kind": "path"},
    {"kind": "text", "story": 2, "storyDirection": 30}
  ]
})";

// Story 0 threaded through art 0 and art 1; story 1 in art 2.
inline const char *const kThreadedStory = R"({
  "format": "zarvel-document/1",
  "stories": [
    {"paragraphs": [{"text": "first"}, {"text": "second"}]},
    {"paragraphs": [{"text": "third"}]}
  ],
  "art": [
    {"kind": "text", "story": 0, "storyDirection": 10},
    {"kind": "text", "story": 0, "storyDirection": 11},
    {"kind": "text", "story": 1, "storyDirection": 20}
  ]
})";

// The codes the tests make host and engine operations fail with.
inline constexpr HostErr kNess = ZV_FOUR_CHAR('N', 'E', 'S', 'S');
inline constexpr HostErr kAtep = ZV_FOUR_CHAR('A', 'T', 'E', 'p');

class TextHostTest : public ::testing::Test {
 protected:
  void SetUp() override { baselineBlocks_ = harness_.Dump("refs").value("blocks", 0); }

  void TearDown() override {
    for (const auto &finding : harness_.host().findings.All()) {
      ADD_FAILURE() << finding.operation << ": " << finding.reason;
    }
  }

  // Opens the document and selects nothing; forgets the traces this caused.
  void Open(const std::string &document) {
    harness_.Run("open " + temp_.Write("document.json", document));
    harness_.Take();
    harness_.TakeTraces();
  }
  // "art 0 3", "text 0 1 4", "none".
  void Select(const std::string &what) {
    harness_.Run("select " + what);
    harness_.Take();
    harness_.TakeTraces();
  }
  // Arms a failure, e.g. "AI Art Set Suite/IndexArtSet:NESS:1".
  void Fail(const std::string &rule) { harness_.Run("fail \"" + rule + "\""); }
  // The texts traced since the last call.
  std::vector<std::string> Traces() { return harness_.TakeTraces(); }

  Json Document() { return harness_.Dump("doc"); }
  // An attribute of each paragraph of a story, absent ones read 0.
  std::vector<int64_t> ParagraphValues(int story, const char *attribute) {
    std::vector<int64_t> values;
    const Json document = Document();
    for (const Json &paragraph : document["stories"][story]["paragraphs"]) {
      values.push_back(paragraph.contains(attribute) ? paragraph[attribute].get<int64_t>() : 0);
    }
    return values;
  }
  // A character attribute of each character of a story (paragraph separators left out).
  template <class Value>
  std::vector<Value> CharValues(int story, const char *attribute) {
    std::vector<Value> values;
    const Json document = Document();
    for (const Json &paragraph : document["stories"][story]["paragraphs"]) {
      if (!paragraph.contains("runs")) {
        values.resize(values.size() + paragraph["text"].get<std::string>().size(), Value{});
        continue;
      }
      for (const Json &run : paragraph["runs"]) {
        const Value value = run.contains(attribute) ? run[attribute].get<Value>() : Value{};
        values.resize(values.size() + run["length"].get<size_t>(), value);
      }
    }
    return values;
  }
  // The story direction of each art object (0 for art without one).
  std::vector<int64_t> StoryDirections() {
    std::vector<int64_t> values;
    const Json document = Document();
    for (const Json &art : document["art"]) values.push_back(art.value("storyDirection", 0));
    return values;
  }

  // The art object at an index of a fresh art set of the selected text frames.
  static AIArtHandle SelectedFrame(int32_t index) {
    OwnedArtSet artSet;
    int32_t count = 0;
    GetCountArtSet(artSet.Address(), &count);
    AIArtHandle art = nullptr;
    EXPECT_EQ(gAIArtSetSuite->IndexArtSet(artSet.Get(), index, &art), kHostNoErr);
    return art;
  }

  // Live references of one text-engine kind ("TextRange").
  int64_t Live(const std::string &kind) {
    return harness_.Dump("refs")["live"].value(kind, static_cast<int64_t>(0));
  }
  // No text-engine reference, art set or block left alive beyond what start-up holds.
  void ExpectNothingAlive() {
    const Json refs = harness_.Dump("refs");
    for (const auto &[kind, count] : refs["live"].items()) EXPECT_EQ(count, 0) << kind;
    EXPECT_EQ(refs.value("artSets", -1), 0);
    EXPECT_EQ(refs.value("blocks", -1), baselineBlocks_);
  }

  zvtest::TempFolder temp_;  // made before the host, so it outlasts what the host writes
  zvtest::HostHarness harness_;
  int64_t baselineBlocks_ = 0;
};

}  // namespace texttest
