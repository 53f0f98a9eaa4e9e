// The document file: what opens, what is refused and where, and what save writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "host/engine/Documents.h"
#include "support/FileText.h"
#include "support/HostHarness.h"
#include "support/TempFolder.h"

namespace {

using zvtest::Json;

// A document of one story with the given paragraphs and one frame.
std::string OneStory(const std::string &paragraphs) {
  return R"({"format": "zarvel-document/1", "stories": [{"paragraphs": [)" + paragraphs +
         R"(]}], "art": [{"kind": "text", "story": 0}]})";
}

// The files in `dir` and below that a save writes before it puts them in place.
size_t LeftBehind(const std::filesystem::path &dir) {
  size_t count = 0;
  for (const auto &entry : std::filesystem::recursive_directory_iterator(dir)) {
    count += entry.path().extension() == ".part";
  }
  return count;
}

class DocumentFileTest : public ::testing::Test {
 protected:
  std::string Open(const std::string &text) {
    std::string path = temp_.Write("document.json", text);
    harness_.Run("open " + path);
    return path;
  }
  // Opens `text` and saves it; the saved file's text.
  std::string SaveOf(const std::string &text) {
    Open(text);
    std::string saved = temp_.Write("saved.json", "");
    harness_.Run("save " + saved);
    return zvtest::ReadFileText(saved);
  }

  zvtest::TempFolder temp_;
  zvtest::HostHarness harness_{{}, false};
};

TEST_F(DocumentFileTest, SaveWritesEveryAttributeWithRunsMergedAndReadsBackTheSame) {
  std::string saved = SaveOf(OneStory(R"(
      {"text": "abcdef", "composerEngine": 1,
       "runs": [{"length": 2, "digitSet": 3}, {"length": 1, "digitSet": 3},
                {"length": 0, "kashidas": 1}, {"length": 3}]},
      {"text": "", "everyLineComposer": true},
      {"text": "xy"})"));
  Json file = Json::parse(saved);
  Json first = file["stories"][0]["paragraphs"][0];
  EXPECT_EQ(first.dump(),
            R"({"text":"abcdef","paragraphDirection":0,"justificationMethod":0,)"
            R"("composerEngine":1,"everyLineComposer":false,"runs":[)"
            R"({"length":3,"dirOverride":0,"digitSet":3,"diacVPos":0,"diacXOffset":0.0,)"
            R"("diacYOffset":0.0,"kashidas":0},)"
            R"({"length":3,"dirOverride":0,"digitSet":0,"diacVPos":0,"diacXOffset":0.0,)"
            R"("diacYOffset":0.0,"kashidas":0}]})");
  EXPECT_EQ(file["stories"][0]["paragraphs"][1]["runs"], Json::array());
  EXPECT_EQ(file["stories"][0]["paragraphs"][1]["everyLineComposer"], true);
  EXPECT_EQ(file["art"], Json::parse(R"([{"kind":"text","story":0,"storyDirection":0}])"));
  EXPECT_EQ(SaveOf(saved), saved);
}

TEST_F(DocumentFileTest, ASeparatorKeepsItsOwnAttributesAndFilesWithoutThemKeepTheirMeaning) {
  struct Case {
    const char *paragraphs;
    const char *digitSets;  // of every position of the story, separators included
    bool written;           // whether the saved file gives the first separator's attributes
  };
  const Case cases[] = {
      // Without attributes of its own a separator takes those of the character before it.
      {R"({"text": "ab", "runs": [{"length": 2, "digitSet": 1}]}, {"text": "cd"})", "11100", false},
      {R"({"text": "ab", "separator": {"digitSet": 3}}, {"text": "cd"})", "00300", true},
      {R"({"text": "ab", "separator": {"digitSet": 3}},
          {"text": "cd", "runs": [{"length": 2, "digitSet": 3}]})",
       "00333", true},
      // Given as they would be taken, they are not written.
      {R"({"text": "ab", "runs": [{"length": 2, "digitSet": 2}], "separator": {"digitSet": 2}},
          {"text": "c"})",
       "2220", false},
      {R"({"text": "", "separator": {"digitSet": 1}}, {"text": "a"})", "10", true},
      {R"({"text": "", "separator": {"digitSet": 0}}, {"text": "a"})", "00", false},
      {R"({"text": "a"}, {"text": "", "separator": {"digitSet": 2}}, {"text": "b"})", "0020",
       false},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.paragraphs);
    const std::string saved = SaveOf(OneStory(c.paragraphs));
    const zvhost::engine::Story &story = harness_.host().documents->Current()->stories[0];
    std::string digitSets;
    for (int32_t position = 0; position < story.Length(); ++position) {
      const int32_t value =
          story.Runs()[story.RunAt(position)].attributes[zvhost::engine::kDigitSet];
      digitSets += std::to_string(value);
    }
    EXPECT_EQ(digitSets, c.digitSets);
    const Json first = Json::parse(saved)["stories"][0]["paragraphs"][0];
    EXPECT_EQ(first.contains("separator"), c.written) << saved;
    EXPECT_EQ(SaveOf(saved), saved);
  }
}

TEST_F(DocumentFileTest, ArabicAndPersianTextIsKeptExactlyAndCountedInCodePoints) {
  // "سلامٌ" is five code points (the last a combining mark) and ten bytes; the Persian
  // digits and the letter with hamza above are single code points as well.
  const std::string arabic = "سلامٌ عليكم ١٢٣";
  const std::string persian = "کتاب‌ها ۴۵۶ تا 789";
  std::string saved = SaveOf(OneStory(R"({"text": ")" + arabic +
                                      R"(", "runs": [{"length": 5, "digitSet": 1}, {"length": 10}]},
      {"text": ")" + persian + R"(", "paragraphDirection": 1,
       "runs": [{"length": 7, "diacVPos": 4}, {"length": 11, "digitSet": 3}]})"));
  Json file = Json::parse(saved);
  EXPECT_EQ(file["stories"][0]["paragraphs"][0]["text"], arabic);
  EXPECT_EQ(file["stories"][0]["paragraphs"][1]["text"], persian);
  EXPECT_NE(saved.find(persian), std::string::npos) << "written as UTF-8, not escaped";
  EXPECT_EQ(file["stories"][0]["paragraphs"][0]["runs"][0]["length"], 5);
  EXPECT_EQ(file["stories"][0]["paragraphs"][1]["runs"][1]["length"], 11);
  EXPECT_EQ(SaveOf(saved), saved);
}

TEST_F(DocumentFileTest, TheFontSizeAlignmentAndFrameBoundsAreKeptAndWrittenOnlyWhereGiven) {
  const std::string text = R"({"format": "zarvel-document/1", "stories": [
      {"font": "Noto Naskh Arabic", "size": 12.5, "paragraphs": [
        {"text": "a", "alignment": "center"}, {"text": "b", "alignment": "justify"},
        {"text": "c", "alignment": "end"}, {"text": "d", "alignment": "start"}]},
      {"size": 18, "font": "Amiri", "paragraphs": [{"text": "e"}]}],
    "art": [{"kind": "text", "story": 0, "bounds": [-10, 20.25, 300, 0.5]},
            {"kind": "text", "story": 1}, {"kind": "path"}]})";
  const std::string saved = SaveOf(text);
  const zvhost::engine::Document &document = *harness_.host().documents->Current();
  using zvhost::engine::Alignment;
  const std::vector<Alignment> alignments = {Alignment::kCenter, Alignment::kJustify,
                                             Alignment::kEnd, Alignment::kStart};
  for (size_t i = 0; i < alignments.size(); ++i) {
    EXPECT_EQ(document.stories[0].Paragraphs()[i].alignment, alignments[i]) << i;
  }
  EXPECT_EQ(document.stories[0].font, "Noto Naskh Arabic");
  EXPECT_EQ(document.stories[0].size, 12.5f);
  ASSERT_TRUE(document.art[0].bounds.has_value());
  EXPECT_EQ(document.art[0].bounds->left, -10.0f);
  EXPECT_EQ(document.art[0].bounds->height, 0.5f);
  EXPECT_FALSE(document.art[1].bounds.has_value());

  Json file = Json::parse(saved);
  EXPECT_EQ(file["stories"][0]["font"], "Noto Naskh Arabic");
  EXPECT_EQ(file["stories"][0]["size"].dump(), "12.5");
  EXPECT_EQ(file["stories"][0]["paragraphs"][0]["alignment"], "center");
  EXPECT_FALSE(file["stories"][0]["paragraphs"][1].contains("alignment")) << "the default";
  EXPECT_EQ(file["stories"][0]["paragraphs"][2]["alignment"], "end");
  EXPECT_FALSE(file["stories"][1].contains("font")) << "the default";
  EXPECT_FALSE(file["stories"][1].contains("size")) << "the default";
  EXPECT_EQ(file["art"][0]["bounds"].dump(), "[-10.0,20.25,300.0,0.5]");
  EXPECT_FALSE(file["art"][1].contains("bounds"));
  EXPECT_EQ(SaveOf(saved), saved);
}

TEST_F(DocumentFileTest, FloatsAreWrittenShortestAndNonNumbersAsTexts) {
  std::string saved = SaveOf(OneStory(R"({"text": "abcd", "runs": [
      {"length": 1, "diacXOffset": 0.1, "diacYOffset": -10},
      {"length": 1, "diacXOffset": "NaN", "diacYOffset": "-Infinity"},
      {"length": 1, "diacXOffset": 3.4028234663852886e38, "diacYOffset": -0.0},
      {"length": 1, "diacXOffset": 1e-45, "diacYOffset": 2.5}]})"));
  Json runs = Json::parse(saved)["stories"][0]["paragraphs"][0]["runs"];
  EXPECT_EQ(runs[0]["diacXOffset"].dump(), "0.1");
  EXPECT_EQ(runs[0]["diacYOffset"].dump(), "-10.0");
  EXPECT_EQ(runs[1]["diacXOffset"], "NaN");
  EXPECT_EQ(runs[1]["diacYOffset"], "-Infinity");
  EXPECT_EQ(runs[2]["diacXOffset"].dump(), "3.4028235e+38");
  EXPECT_EQ(runs[2]["diacYOffset"].dump(), "-0.0");
  EXPECT_EQ(runs[3]["diacXOffset"].dump(), "1e-45");
  EXPECT_EQ(SaveOf(saved), saved);
}

TEST_F(DocumentFileTest, TheExampleDocumentsAreSavedAsTheyStand) {
  int examples = 0;
  for (const auto &entry :
       std::filesystem::directory_iterator(std::string(ZARVEL_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() != ".json") continue;
    ++examples;
    std::string text = zvtest::ReadFileText(entry.path().string());
    EXPECT_EQ(SaveOf(text), text) << entry.path();
  }
  EXPECT_GE(examples, 3);
}

TEST_F(DocumentFileTest, ABadFileIsRefusedNamingThePlaceAndTheOpenDocumentStays) {
  Open(OneStory(R"({"text": "kept", "runs": [{"length": 4, "digitSet": 2}]})"));
  harness_.Run("select art 0");
  Json before = harness_.Dump("doc");

  const std::string story = R"({"paragraphs": [{"text": "abc"}]})";
  const std::string frame = R"({"kind": "text", "story": 0})";
  auto document = [&](const std::string &stories, const std::string &art) {
    return R"({"format": "zarvel-document/1", "stories": [)" + stories + R"(], "art": [)" + art +
           "]}";
  };
  auto paragraph = [&](const std::string &body) { return OneStory(body); };
  struct Case {
    std::string text;
    std::string reason;
  };
  const Case cases[] = {
      {"", "parse error at line 1, column 1"},
      {"{\"format\": ", "parse error at line 1, column 12"},
      {"[]", "expected a document (an object), found []"},
      {R"({"stories": [], "art": []})", "missing field \"format\""},
      {R"({"format": "zarvel-document/2", "stories": [], "art": []})",
       "format: expected \"zarvel-document/1\", found \"zarvel-document/2\""},
      {R"({"format": "zarvel-document/1", "stories": [], "art": [], "title": 1})",
       "unknown field \"title\""},
      {R"({"format": "zarvel-document/1", "stories": {}, "art": []})",
       "stories: expected a list of stories, found {}"},
      {R"({"format": "zarvel-document/1", "stories": []})", "missing field \"art\""},
      {document(R"({"paragraphs": []})", frame),
       "stories[0].paragraphs: a story has at least one paragraph"},
      {paragraph(R"({"runs": []})"), "stories[0].paragraphs[0]: missing field \"text\""},
      {paragraph(R"({"text": 5})"), "stories[0].paragraphs[0].text: expected a text, found 5"},
      {paragraph(R"({"text": "x", "Kashidas": 1})"),
       "stories[0].paragraphs[0]: unknown field \"Kashidas\""},
      {paragraph(R"({"text": "abc"}, {"text": "abcdef", "runs": [{"length": 3}, {"length": 4}]})"),
       "stories[0].paragraphs[1].runs: lengths add up to 7, text has 6"},
      {paragraph(R"({"text": "abc", "runs": [3]})"),
       "stories[0].paragraphs[0].runs[0]: expected a run (an object), found 3"},
      {paragraph(R"({"text": "abc", "runs": [{"digitSet": 1}]})"),
       "stories[0].paragraphs[0].runs[0]: missing field \"length\""},
      {paragraph(R"({"text": "abc", "runs": [{"length": -1}, {"length": 4}]})"),
       "runs[0].length: expected a whole number from 0 to 2147483647, found -1"},
      {paragraph(R"({"text": "abc", "runs": [{"length": 3, "digitSet": 1e20}]})"),
       "runs[0].digitSet: expected a whole number from -2147483648 to 2147483647, found 1e+20"},
      {paragraph(R"({"text": "abc", "runs": [{"length": 3, "digitSet": 2147483648}]})"),
       "found 2147483648"},
      {paragraph(R"({"text": "abc", "runs": [{"length": 3, "digitSet": -2147483649}]})"),
       "found -2147483649"},
      {paragraph(R"({"text": "abc", "runs": [{"length": 3, "dirOverride": 1.5}]})"),
       "runs[0].dirOverride: expected a whole number"},
      {paragraph(R"({"text": "abc", "runs": [{"length": 3, "kashidas": "1"}]})"),
       "runs[0].kashidas: expected a whole number"},
      {paragraph(R"({"text": "abc", "separator": {"digitSet": 1}})"),
       "stories[0].paragraphs[0].separator: the last paragraph of a story has no separator"},
      {paragraph(R"({"text": "a", "separator": [1]}, {"text": "b"})"),
       "stories[0].paragraphs[0].separator: expected the separator's attributes (an object)"},
      {paragraph(R"({"text": "a", "separator": {"length": 1}}, {"text": "b"})"),
       "stories[0].paragraphs[0].separator: unknown field \"length\""},
      {paragraph(R"({"text": "a", "separator": {"digitSet": 0.5}}, {"text": "b"})"),
       "paragraphs[0].separator.digitSet: expected a whole number"},
      {paragraph(R"({"text": "abc", "everyLineComposer": 1})"),
       "stories[0].paragraphs[0].everyLineComposer: expected true or false, found 1"},
      {paragraph(R"({"text": "abc", "runs": [{"length": 3, "diacXOffset": 1e39}]})"),
       "runs[0].diacXOffset: expected a number that fits a 32-bit float"},
      {paragraph(R"({"text": "abc", "runs": [{"length": 3, "diacYOffset": "nan"}]})"),
       "runs[0].diacYOffset: expected a number that fits a 32-bit float"},
      {paragraph(R"({"text": "ab\ncd"})"),
       "stories[0].paragraphs[0].text: a paragraph break (CR, LF or U+2029) at code point 2"},
      {paragraph("{\"text\": \"\xd8\xb3\xe2\x80\xa9\"}"), "at code point 1"},
      {paragraph("{\"text\": \"ab\xff\"}"), "ill-formed UTF-8"},
      {paragraph("{\"text\": \"\xed\xa0\x80\"}"), "ill-formed UTF-8"},  // a surrogate
      {paragraph(R"({"text": "\ud800"})"), "surrogate U+D800..U+DBFF must be followed"},
      {paragraph(R"({"text": "a", "text": "b"})"),
       "stories[0].paragraphs[0]: field \"text\" appears twice"},
      {document(story, R"({"kind": "text", "story": 3})"),
       "art[0].story: story 3 does not exist (the file has 1 story)"},
      {document(story, R"({"kind": "text"})"), "art[0]: missing field \"story\""},
      {document(story + "," + story, frame),
       "stories[1]: no text frame shows this story (add {\"kind\": \"text\", \"story\": 1}"},
      {document(story, frame + R"(, {"kind": "circle"})"),
       "art[1].kind: expected \"text\" or \"path\", found \"circle\""},
      {document(story, frame + R"(, {"kind": "path", "story": 0})"),
       "art[1]: unknown field \"story\""},
      {document(story, R"({"kind": "text", "story": 0, "storyDirection": 9e9})"),
       "art[0].storyDirection: expected a whole number"},
      {document(story, R"({"kind": "text", "story": 0, "extra": )" + std::string(200, '[') +
                           std::string(200, ']') + "}"),
       "art[0].extra[0][0][0][0][0][0][0][0][0][0][0][0][0]: nesting deeper than 16 levels"},
      {paragraph(R"({"text": "x", "alignment": "left"})"),
       "stories[0].paragraphs[0].alignment: expected \"justify\", \"start\", \"end\" or "
       "\"center\", found \"left\""},
      {paragraph(R"({"text": "x", "alignment": 1})"), "paragraphs[0].alignment: expected"},
      {document(R"({"font": "", "paragraphs": [{"text": "abc"}]})", frame),
       "stories[0].font: the font's name is empty"},
      {document(R"({"font": ["Amiri"], "paragraphs": [{"text": "abc"}]})", frame),
       "stories[0].font: expected a font family's name, found [\"Amiri\"]"},
      {document(R"({"size": 0, "paragraphs": [{"text": "abc"}]})", frame),
       "stories[0].size: expected a number of points above 0 to 1296.0, found 0"},
      {document(R"({"size": -3, "paragraphs": [{"text": "abc"}]})", frame),
       "stories[0].size: expected a number of points above 0"},
      {document(R"({"size": "18", "paragraphs": [{"text": "abc"}]})", frame),
       "stories[0].size: expected a number of points above 0"},
      {document(R"({"size": 1e6, "paragraphs": [{"text": "abc"}]})", frame),
       "stories[0].size: expected a number of points above 0 to 1296.0, found 1000000.0"},
      {document(story, R"({"kind": "text", "story": 0, "bounds": [0, 0, 10]})"),
       "art[0].bounds: expected [left, top, width, height] in points, found [0,0,10]"},
      {document(story, R"({"kind": "text", "story": 0, "bounds": {"left": 0}})"),
       "art[0].bounds: expected [left, top, width, height] in points"},
      {document(story, R"({"kind": "text", "story": 0, "bounds": [0, 0, 0, 10]})"),
       "art[0].bounds[2]: expected a number of points above 0 to 16383.0, found 0"},
      {document(story, R"({"kind": "text", "story": 0, "bounds": [0, 0, 10, -1]})"),
       "art[0].bounds[3]: expected a number of points above 0"},
      {document(story, R"({"kind": "text", "story": 0, "bounds": [0, "1", 10, 10]})"),
       "art[0].bounds[1]: expected a number of points from -16383.0 to 16383.0, found \"1\""},
      {document(story, R"({"kind": "text", "story": 0, "bounds": [-1e9, 0, 10, 10]})"),
       "art[0].bounds[0]: expected a number of points from -16383.0"},
      {document(story, frame + R"(, {"kind": "path", "bounds": [0, 0, 1, 1]})"),
       "art[1]: unknown field \"bounds\""},
      {paragraph(R"({"text": "abc", "runs": [{"length": 3, "diacXOffset": 3.4028236e38}]})"),
       "runs[0].diacXOffset: expected a number that fits a 32-bit float"},
      // Too large for a double: the parser itself gives up on them.
      {paragraph(R"({"text": "abc", "runs": [{"length": 3, "diacXOffset": 1e999}]})"),
       "stories[0].paragraphs[0].runs[0].diacXOffset: number overflow parsing '1e999'"},
      {paragraph(R"({"text": "abc", "runs": [{"length": )" + std::string(400, '7') + "}]}"),
       "stories[0].paragraphs[0].runs[0].length: number overflow parsing '777"},
      {document(story, frame + ", -1e400"), "art[1]: number overflow parsing '-1e400'"},
      {"1e999", "number overflow parsing '1e999'"},
  };
  for (const Case &c : cases) {
    std::string path = temp_.Write("bad.json", c.text);
    std::string reason = harness_.RunExpectingError("open " + path);
    EXPECT_NE(reason.find("cannot open " + path + ": "), std::string::npos) << reason;
    EXPECT_NE(reason.find(c.reason), std::string::npos)
        << "reason: " << reason << "\nexpected: " << c.reason;
  }
  EXPECT_EQ(harness_.Dump("doc"), before);
  EXPECT_EQ(harness_.host().documents->Count(), 1);
}

TEST_F(DocumentFileTest, FilesThatCannotBeReadOrWrittenAreRefusedAndNothingIsLost) {
  const std::filesystem::path &dir = temp_.Path();
  EXPECT_NE(
      harness_.RunExpectingError("open " + (dir / "missing.json").string()).find("no such file"),
      std::string::npos);
  EXPECT_NE(harness_.RunExpectingError("open " + dir.string()).find("it is a folder"),
            std::string::npos);

  Open(OneStory(R"({"text": "abc"})"));
  std::string target = (dir / "kept.json").string();
  harness_.Run("save " + target);
  std::string written = zvtest::ReadFileText(target);
  std::string reason = harness_.RunExpectingError("save " + (dir / "no" / "such.json").string());
  EXPECT_NE(reason.find("cannot save"), std::string::npos) << reason;
  EXPECT_EQ(zvtest::ReadFileText(target), written);
  EXPECT_FALSE(std::filesystem::exists(dir / "no"));
  EXPECT_TRUE(Json::parse(written).is_object());
  EXPECT_EQ(LeftBehind(dir), 0u);
}

TEST_F(DocumentFileTest, SaveRefusesWhatIsNoRegularFileNamingTheReason) {
  namespace fs = std::filesystem;
  Open(OneStory(R"({"text": "abc"})"));
  const zvtest::TempFolder temp;
  const fs::path dir = temp.Path();
  const std::string folder = (dir / "folder").string();
  fs::create_directory(folder);
  struct Case {
    std::string file;
    std::string reason;
  };
  std::vector<Case> cases = {
      {"\"\"", "save: the file name is empty"},
      {folder, "cannot save " + folder + ": it is a folder"},
      {(dir / "no" / "such.json").string(), "cannot save " + (dir / "no" / "such.json").string() +
                                                ": there is no folder " + (dir / "no").string()},
  };
#ifndef _WIN32
  const std::string pipe = (dir / "pipe").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  cases.push_back({pipe, "cannot save " + pipe + ": it is not a regular file"});
  const std::string loop = (dir / "loop.json").string();
  fs::create_symlink("loop.json", loop);
  cases.push_back({loop, "cannot save " + loop + ": Too many levels of symbolic links"});
#endif
  for (const Case &c : cases) EXPECT_EQ(harness_.RunExpectingError("save " + c.file), c.reason);
  EXPECT_TRUE(fs::is_directory(folder));
#ifndef _WIN32
  EXPECT_TRUE(fs::is_fifo(pipe));
#endif
  EXPECT_EQ(LeftBehind(dir), 0u);
}

#ifndef _WIN32
TEST_F(DocumentFileTest, SaveWritesThroughLinksAndKeepsThePermissions) {
  namespace fs = std::filesystem;
  Open(OneStory(R"({"text": "abc"})"));
  const zvtest::TempFolder temp;
  const fs::path real = temp.Write("real.json", "old");
  const fs::path dir = real.parent_path();
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_directory(dir / "links");
  fs::create_symlink("../real.json", dir / "links" / "relative.json");
  fs::create_symlink(dir / "links" / "relative.json", dir / "absolute.json");
  fs::create_symlink("created.json", dir / "dangling.json");

  harness_.Run("save " + (dir / "absolute.json").string());
  harness_.Run("save " + (dir / "dangling.json").string());

  const std::string saved = zvtest::ReadFileText(real.string());
  EXPECT_TRUE(Json::parse(saved).is_object()) << saved;
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(fs::read_symlink(dir / "links" / "relative.json"), "../real.json");
  EXPECT_EQ(fs::read_symlink(dir / "absolute.json"), dir / "links" / "relative.json");
  EXPECT_EQ(fs::read_symlink(dir / "dangling.json"), "created.json");
  EXPECT_EQ(zvtest::ReadFileText((dir / "created.json").string()), saved);
  EXPECT_EQ(LeftBehind(dir), 0u);
}
#endif

}  // namespace
