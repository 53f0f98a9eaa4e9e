// Opening reads the file as it streams past: fields in any order, faults far into long
// values, and faults of the text itself found after a fault of the document.
#include <gtest/gtest.h>

#include <string>

#include "host/engine/Documents.h"
#include "support/HostHarness.h"
#include "support/TempFolder.h"

namespace {

using zvtest::Json;

// `count` runs of one character each, neighbours differing; `last` replaces the last run.
std::string Runs(int count, const std::string &last = R"({"length": 1})") {
  std::string runs;
  for (int i = 0; i + 1 < count; ++i) {
    runs += R"({"length": 1, "digitSet": )" + std::to_string(i % 2) + "},";
  }
  return runs + last;
}

std::string Document(const std::string &paragraph) {
  return R"({"format": "zarvel-document/1", "stories": [{"paragraphs": [)" + paragraph +
         R"(]}], "art": [{"kind": "text", "story": 0}]})";
}

class DocumentReadingOrderTest : public ::testing::Test {
 protected:
  std::string Open(const std::string &text) {
    const std::string path = temp_.Write("document.json", text);
    harness_.Run("open " + path);
    return path;
  }
  // The reason given for refusing `text`, without "cannot open PATH: ".
  std::string Refusal(const std::string &text) {
    const std::string path = temp_.Write("bad.json", text);
    const std::string reason = harness_.RunExpectingError("open " + path);
    const std::string head = "cannot open " + path + ": ";
    EXPECT_EQ(reason.substr(0, head.size()), head) << reason;
    return reason.substr(std::min(head.size(), reason.size()));
  }

  zvtest::TempFolder temp_;
  zvtest::HostHarness harness_{{}, false};
};

TEST_F(DocumentReadingOrderTest, FieldsInAnyOrderGiveTheSameDocument) {
  Open(R"({"format": "zarvel-document/1", "stories": [{"font": "Amiri", "size": 14,
      "paragraphs": [{"text": "abcd", "paragraphDirection": 1, "alignment": "end",
                      "runs": [{"length": 3, "digitSet": 2}, {"length": 1, "kashidas": 1}],
                      "separator": {"digitSet": 1}},
                     {"text": "ef"}]},
      {"paragraphs": [{"text": "g"}]}],
    "art": [{"kind": "text", "story": 1, "bounds": [0, 0, 10, 10]}, {"kind": "path"},
            {"kind": "text", "story": 0, "storyDirection": 1}]})");
  const Json inOrder = harness_.Dump("doc");
  Open(R"({"art": [{"bounds": [0, 0, 10, 10], "story": 1, "kind": "text"}, {"kind": "path"},
            {"storyDirection": 1, "story": 0, "kind": "text"}],
    "stories": [{"paragraphs": [{"separator": {"digitSet": 1},
                                 "runs": [{"digitSet": 2, "length": 3},
                                          {"kashidas": 1, "length": 1}],
                                 "alignment": "end", "paragraphDirection": 1, "text": "abcd"},
                                {"text": "ef"}],
                 "size": 14, "font": "Amiri"},
                {"paragraphs": [{"text": "g"}]}],
    "format": "zarvel-document/1"})");
  EXPECT_EQ(harness_.Dump("doc"), inOrder);
}

TEST_F(DocumentReadingOrderTest, EveryRunOfALongParagraphIsKeptAsItStands) {
  constexpr int kRuns = 3000;
  Open(Document(R"({"runs": [)" + Runs(kRuns, R"({"digitSet": 7, "length": 1})") +
                R"(], "text": ")" + std::string(kRuns, 'b') + R"("})"));
  const zvhost::engine::Story &story = harness_.host().documents->Current()->stories[0];
  ASSERT_EQ(story.Runs().size(), static_cast<size_t>(kRuns));
  for (int i = 0; i < kRuns; ++i) {
    const int32_t expected = i + 1 == kRuns ? 7 : i % 2;
    ASSERT_EQ(story.Runs()[i].attributes[zvhost::engine::kDigitSet], expected) << i;
    ASSERT_EQ(story.RunEnd(i), i + 1) << i;
  }
}

TEST_F(DocumentReadingOrderTest, FaultsAreNamedWhereverTheyStandAndWhateverCameFirst) {
  const std::string story = R"({"paragraphs": [{"text": "abc"}]})";
  struct Case {
    std::string text;
    std::string reason;
  };
  const Case cases[] = {
      // The art comes before the stories it shows.
      {R"({"format": "zarvel-document/1", "art": [{"kind": "text", "story": 1}], "stories": [)" +
           story + "]}",
       "art[0].story: story 1 does not exist (the file has 1 story)"},
      {R"({"art": [{"kind": "text", "story": 0}], "stories": [)" + story + "," + story +
           R"(], "format": "zarvel-document/1"})",
       "stories[1]: no text frame shows this story (add {\"kind\": \"text\", \"story\": 1} to "
       "\"art\")"},
      {R"({"art": [{"story": 0}], "stories": [)" + story + R"(], "format": "zarvel-document/1"})",
       "art[0]: missing field \"kind\""},
      // The runs come before the text they cover.
      {Document(R"({"runs": [{"length": 2}], "text": "abc"})"),
       "stories[0].paragraphs[0].runs: lengths add up to 2, text has 3"},
      {Document(R"({"runs": [)" + Runs(3000) + R"(], "text": "ab"})"),
       "stories[0].paragraphs[0].runs: lengths add up to 3000, text has 2"},
      {Document(R"({"text": "a"}, {"separator": {"digitSet": 1}, "text": "b"})"),
       "stories[0].paragraphs[1].separator: the last paragraph of a story has no separator"},
      // The last run of a long paragraph.
      {Document(R"({"text": ")" + std::string(5000, 'b') + R"(", "runs": [)" +
                Runs(5000, R"({"length": -1})") + "]}"),
       "stories[0].paragraphs[0].runs[4999].length: expected a whole number from 0 to "
       "2147483647, found -1"},
      {Document(R"({"text": ")" + std::string(5000, 'b') + R"(", "runs": [)" +
                Runs(5000, R"({"length": 1, "digitSet": 1, "Digitset": 1})") + "]}"),
       "stories[0].paragraphs[0].runs[4999]: unknown field \"Digitset\""},
      {Document(R"({"text": ")" + std::string(5000, 'b') + R"(", "runs": [)" +
                Runs(5000, R"({"digitSet": 1})") + "]}"),
       "stories[0].paragraphs[0].runs[4999]: missing field \"length\""},
      // A field named twice after a long value, read by events or whole.
      {Document(R"({"text": ")" + std::string(5000, 'b') + R"(", "runs": [)" + Runs(5000) +
                R"(], "text": "b"})"),
       "stories[0].paragraphs[0]: field \"text\" appears twice"},
      {Document(R"({"text": "b", "runs": [{"length": 1, "kashidas": 1, "digitSet": 2, )"
                R"("kashidas": 1}]})"),
       "stories[0].paragraphs[0].runs[0]: field \"kashidas\" appears twice"},
      {R"({"format": "zarvel-document/1", "stories": [)" + story +
           R"(], "art": [], "stories": []})",
       "field \"stories\" appears twice"},
      {Document(R"({"text": "a", "separator": {"digitSet": 1, "extra": [1, 2, 3], "extra": 1}},)"
                R"({"text": "b"})"),
       "stories[0].paragraphs[0].separator: field \"extra\" appears twice"},
      // Of two faults of the document, the one named is the one the checks meet first,
      // object by object, whichever comes first in the text: an object's unknown fields (the
      // first by name), then its fields in the order they are checked, then what they hold.
      {R"({"stories": [{"paragraphs": [{"text": 5}]}], "art": [], "title": 1, "format": 1})",
       "unknown field \"title\""},
      {R"({"stories": [{"paragraphs": [{"text": 5}]}], "art": [], "format": 1})",
       "format: expected \"zarvel-document/1\", found 1"},
      {R"({"art": 5, "stories": [{"paragraphs": [{"text": "a"}], "Text": 1}], "format": )"
       R"("zarvel-document/1"})",
       "stories[0]: unknown field \"Text\""},
      {Document(R"({"text": "ab", "runs": [{"length": 1, "zz": 1, "aa": 1}, {"length": 1}]})"),
       "stories[0].paragraphs[0].runs[0]: unknown field \"aa\""},
      {Document(R"({"runs": [{"length": -1}], "alignment": "left", "text": 5})"),
       "stories[0].paragraphs[0].text: expected a text, found 5"},
      {Document(R"({"runs": [{"kashidas": "x"}], "text": "a"})"),
       "stories[0].paragraphs[0].runs[0]: missing field \"length\""},
      {R"({"format": "zarvel-document/1", "stories": [{"paragraphs": [{"text": 5}], "font": ""},)"
       R"( {"paragraphs": 1}], "art": [{"kind": "circle"}]})",
       "stories[0].font: the font's name is empty"},
      {R"({"format": "zarvel-document/1", "art": [{"kind": "circle"}], "stories": [)"
       R"({"paragraphs": [{"text": "a", "separator": 5}]}]})",
       "stories[0].paragraphs[0].separator: the last paragraph of a story has no separator"},
      // A fault of the text itself, found after a fault of the document, is the one named,
      // as it would be if the whole text were parsed first.
      {R"({"format": "zarvel-document/2", "stories": [], "art": [], "art": []})",
       "field \"art\" appears twice"},
      {Document(
           R"({"text": "abc", "title": 1, "runs": [{"length": 3, "runs": {"x": 1, "x": 2}}]})"),
       "stories[0].paragraphs[0].runs[0].runs: field \"x\" appears twice"},
      {Document(R"({"text": 5, "runs": )" + std::string(20, '[') + std::string(20, ']') + "}"),
       "stories[0].paragraphs[0].runs[0][0][0][0][0][0][0][0][0][0][0]: nesting deeper than 16 "
       "levels"},
      {Document(R"({"text": "abc", "runs": [{"length": 3, "digitSet": 1e999}], "kashidas": 1})"),
       "stories[0].paragraphs[0].runs[0].digitSet: number overflow parsing '1e999'"},
      {R"({"format": "zarvel-document/2", "stories": [)",
       "parse error at line 1, column 45: syntax error while parsing value - unexpected end of "
       "input; expected '[', '{', or a literal"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.text.substr(0, 200));
    EXPECT_EQ(Refusal(c.text), c.reason);
  }
}

// A file cut short anywhere is refused as the JSON parser words it, at the line and column
// where the text ends, whatever was read of the document before.
TEST_F(DocumentReadingOrderTest, AFileCutShortIsRefusedWhereItEnds) {
  const std::string whole = R"({"format": "zarvel-document/1",
  "stories": [{"paragraphs": [{"text": "abcd", "separator": {"digitSet": 9.5},
    "runs": [{"length": 3, "digitSet": 2}, {"length": 9}]}, {"text": "ef"}]}],
  "art": [{"kind": "text", "story": 4}]})";
  for (size_t end = 0; end + 1 < whole.size(); end += 7) {
    const std::string text = whole.substr(0, end);
    SCOPED_TRACE(text);
    std::string plain;
    try {
      const Json parsed = Json::parse(text);
      ADD_FAILURE() << "the plain parser took " << parsed.dump();
    } catch (const Json::parse_error &error) {
      plain = error.what();
      plain = plain.substr(plain.find("] ") + 2);
    }
    ASSERT_NE(plain.find("parse error at line "), std::string::npos) << plain;
    EXPECT_EQ(Refusal(text), plain);
  }
}

}  // namespace
