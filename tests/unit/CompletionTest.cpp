// What Tab offers at the prompt and what "did you mean" proposes, over the real host and
// module: command words, the panel's control labels and a control's entries.
#include <gtest/gtest.h>

#include "host/app/Completion.h"
#include "host/core/Suggestion.h"
#include "support/HostHarness.h"

namespace {

using Words = std::vector<std::string>;

TEST(Completion, OffersCommandWordsLabelsAndEntriesAsTheyAreTyped) {
  zvtest::HostHarness harness;
  harness.Run({"new", "menu \"Window Utilities/Zarvel/Zarvel\""});
  struct Case {
    std::string line;
    size_t start;
    Words words;
  };
  const Case cases[] = {
      {"sel", 0, {"select"}},
      {"select ", 7, {"art", "text", "none"}},
      {"dump p", 5, {"panel", "prefs"}},
      {"help pa", 5, {"panel"}},
      {"panel click K", 12, {"Kashidas"}},
      {"panel choose \"Paragraph D", 13, {"\"Paragraph Direction\""}},
      {"panel choose paragraph", 13, {"\"Paragraph Direction\""}},
      {"panel choose Digits Fa", 20, {"Farsi"}},
      {"panel choose \"Story Direction\" \"Right", 31, {"\"Right to left\""}},
      {"panel choose Nothing ", 21, {}},
      {"frobnicate ", 11, {}},
  };
  for (const Case &c : cases) {
    const zvhost::Completion completion = zvhost::Completions(harness.host(), c.line);
    EXPECT_EQ(completion.start, c.start) << c.line;
    EXPECT_EQ(completion.words, c.words) << c.line;
  }
}

TEST(Suggestion, ProposesOnlyLikelySlips) {
  const Words commands = {"panel", "select", "dump", "new"};
  EXPECT_EQ(zvhost::Closest("pnael", commands), "panel");
  EXPECT_EQ(zvhost::Closest("SELCT", commands), "select");
  EXPECT_EQ(zvhost::Closest("dmp", commands), "dump");
  EXPECT_EQ(zvhost::Closest("x", {"X", "Y"}), "X");
  EXPECT_EQ(zvhost::Closest("z", {"X", "Y"}), "");
  EXPECT_EQ(zvhost::Closest("quit", commands), "");
  EXPECT_EQ(zvhost::DidYouMean("Digts", {"Digits"}), " (did you mean 'Digits'?)");
}

}  // namespace
