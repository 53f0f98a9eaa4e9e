// The page through the built zarvel-host: `dump layout` and `snapshot doc` as a user runs
// them. The Windows host refuses both, saying that composing needs the Linux host.
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/FileText.h"
#include "support/HostProcess.h"
#include "support/TempFolder.h"

namespace {

using Json = nlohmann::ordered_json;

// Two stories, the first threaded through two frames, and a path between them.
constexpr const char *kDocument = R"({"format": "zarvel-document/1", "stories": [
  {"paragraphs": [
    {"text": "في عام ٢٠٢٤ بلغ عدد الزوار 1250 زائرًا، وارتفع بنسبة ١٥٪ عن العام الذي سبقه.",
     "paragraphDirection": 1, "justificationMethod": 1, "composerEngine": 1},
    {"text": "این متن در دو قاب جاری است و رقم‌های آن فارسی‌اند: ۱۲۳", "paragraphDirection": 1}]},
  {"size": 12, "paragraphs": [{"text": "Zarvel 14: left to right", "alignment": "start"}]}],
 "art": [{"kind": "text", "story": 0, "storyDirection": 1, "bounds": [220, 24, 180, 100]},
         {"kind": "path"},
         {"kind": "text", "story": 0, "storyDirection": 1, "bounds": [24, 24, 180, 300]},
         {"kind": "text", "story": 1, "bounds": [24, 340, 376, 40]}]})";

class PageHost : public ::testing::Test {
 protected:
  void SetUp() override { document_ = temp_.Write("page.json", kDocument); }
  zvtest::HostRun Run(const std::string &lines) {
    return zvtest::RunHost("open " + document_ + "\n" + lines);
  }
  zvtest::TempFolder temp_;
  std::string document_;
};

TEST_F(PageHost, DumpLayoutListsEveryTextFrameWithItsLinesAndTheirFacts) {
  const zvtest::HostRun run = Run("dump layout\n");
  if (zvtest::WindowsHost())
    GTEST_SKIP() << "the Windows host composes nothing (its own test below)";
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::vector<Json> layouts = run.OfKind("layout");
  ASSERT_EQ(layouts.size(), 1u);
  const Json &frames = layouts[0]["frames"];
  ASSERT_EQ(frames.size(), 3u) << frames;
  EXPECT_EQ(frames[0]["art"], 0);
  EXPECT_EQ(frames[1]["art"], 2);
  EXPECT_EQ(frames[2]["art"], 3);
  const std::vector<std::string> fields = {"from",  "to",       "y",           "width",
                                           "level", "kashidas", "spaceStretch"};
  int32_t next = 0;  // story 0's lines follow one another from frame to frame
  for (size_t frame = 0; frame < 2; ++frame) {
    for (const Json &line : frames[frame]["lines"]) {
      std::vector<std::string> keys;
      for (const auto &[key, value] : line.items()) keys.push_back(key);
      EXPECT_EQ(keys, fields) << line;
      EXPECT_GE(line["from"].get<int32_t>(), next) << line;
      EXPECT_GT(line["to"].get<int32_t>(), line["from"].get<int32_t>()) << line;
      next = line["to"];
      EXPECT_EQ(line["level"], 1) << "right to left";
      EXPECT_LE(line["width"].get<double>(), 180.5) << line;
      EXPECT_GT(line["y"].get<double>(), 0) << line;
    }
  }
  EXPECT_FALSE(frames[0]["lines"].empty());
  EXPECT_FALSE(frames[1]["lines"].empty()) << "the first frame is too short for the story";
  ASSERT_EQ(frames[2]["lines"].size(), 1u);
  EXPECT_EQ(frames[2]["lines"][0]["level"], 0);
  EXPECT_EQ(frames[2]["lines"][0]["kashidas"], 0);
}

TEST_F(PageHost, WithoutJsonTheLayoutIsATableOfFramesAndLines) {
  if (zvtest::WindowsHost()) GTEST_SKIP();
  const std::string script = temp_.Write("layout.zvs", "open " + document_ + "\ndump layout\n");
  const zvtest::HostRun run = zvtest::RunHostRaw({"--plugin", zvtest::ModuleInUse(), script});
  ASSERT_EQ(run.status, 0) << run.errors;
  std::vector<std::string> lines;
  for (const Json &line : run.OfKind("text")) lines.push_back(line["text"]);
  const auto heading = [&](const std::string &start) {
    return std::find_if(lines.begin(), lines.end(),
                        [&](const std::string &line) { return line.rfind(start, 0) == 0; });
  };
  // A heading a frame, each with the column heads and a row a line.
  for (const char *frame : {"frame art 0: ", "frame art 2: ", "frame art 3: 1 line"}) {
    auto at = heading(frame);
    ASSERT_NE(at, lines.end()) << frame;
    ASSERT_NE(at + 1, lines.end());
    EXPECT_NE(at[1].find("from      to       y    width"), std::string::npos) << at[1];
  }
  EXPECT_NE(heading("frame art 3: ")[2].find("ltr"), std::string::npos);
  EXPECT_NE(heading("frame art 0: ")[2].find("rtl"), std::string::npos);
}

TEST_F(PageHost, DrawingThePageChangesNoLineOfIt) {
  // The drawing and the composer share the font's face: a drawing at another size must not
  // move what is composed after it.
  const zvtest::HostRun run = Run("dump layout\nsnapshot doc " + temp_.PathOf("page.png") +
                                  "\nopen " + document_ + "\ndump layout\n");
  if (zvtest::WindowsHost()) GTEST_SKIP();
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::vector<Json> layouts = run.OfKind("layout");
  ASSERT_EQ(layouts.size(), 2u);
  EXPECT_EQ(layouts[0], layouts[1]);
}

// The signature a picture of each kind begins with.
struct Picture {
  const char *extension;
  std::string signature;
};

TEST_F(PageHost, SnapshotDocDrawsAPictureOfEachKindThatIsAValidFile) {
  const Picture pictures[] = {{".svg", "<?xml"}, {".png", "\x89PNG\r\n\x1a\n"}, {".pdf", "%PDF-"}};
  std::string script = "select text 0 3 20\n";
  for (const Picture &picture : pictures) {
    script += "snapshot doc " + temp_.PathOf(std::string("page") + picture.extension) + "\n";
  }
  const zvtest::HostRun run = Run(script);
  if (zvtest::WindowsHost()) GTEST_SKIP();
  ASSERT_EQ(run.status, 0) << run.errors;
  for (const Picture &picture : pictures) {
    SCOPED_TRACE(picture.extension);
    const std::string bytes =
        zvtest::ReadFileText(temp_.PathOf(std::string("page") + picture.extension));
    EXPECT_EQ(bytes.rfind(picture.signature, 0), 0u);
    EXPECT_GT(bytes.size(), 2000u) << "a page with text on it";
  }
}

// The `d` of every path of an SVG picture.
void CollectPaths(xmlNode *node, std::set<std::string> &paths) {
  for (; node != nullptr; node = node->next) {
    if (node->type == XML_ELEMENT_NODE && xmlStrcmp(node->name, BAD_CAST "path") == 0) {
      if (xmlChar *d = xmlGetProp(node, BAD_CAST "d")) {
        paths.insert(reinterpret_cast<const char *>(d));
        xmlFree(d);
      }
    }
    CollectPaths(node->children, paths);
  }
}

TEST_F(PageHost, TheSvgPictureIsXmlWithEveryFramesBox) {
  const std::string svg = temp_.PathOf("page.svg");
  const zvtest::HostRun run = Run("snapshot doc " + svg + "\n");
  if (zvtest::WindowsHost()) GTEST_SKIP();
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string text = zvtest::ReadFileText(svg);
  xmlDoc *doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), "page.svg", nullptr,
                              XML_PARSE_NONET);
  ASSERT_NE(doc, nullptr) << "not well-formed XML";
  xmlNode *root = xmlDocGetRootElement(doc);
  EXPECT_EQ(std::string(reinterpret_cast<const char *>(root->name)), "svg");
  std::set<std::string> paths;
  CollectPaths(root, paths);
  xmlFreeDoc(doc);
  // The page starts 24 points before the leftmost and topmost box: the boxes keep their
  // coordinates.
  for (const char *box :
       {"M 220 24 L 400 24 L 400 124 L 220 124 Z", "M 24 24 L 204 24 L 204 324 L 24 324 Z",
        "M 24 340 L 400 340 L 400 380 L 24 380 Z"}) {
    bool found = false;
    for (const std::string &d : paths) found = found || d.find(box) != std::string::npos;
    EXPECT_TRUE(found) << box;
  }
}

TEST_F(PageHost, AnExtensionThatNamesNoPictureIsAUsageErrorNamingIt) {
  struct Case {
    std::string file;
    std::string reason;
  };
  const Case cases[] = {
      {"page.gif",
       "snapshot doc: the extension '.gif' names no picture it can draw (use .svg, .png or .pdf)"},
      {"page", "'page' has no extension"},
      {"page.svg.txt", "the extension '.txt'"},
  };
  for (const Case &c : cases) {
    const zvtest::HostRun run = Run("snapshot doc " + c.file + "\n");
    if (zvtest::WindowsHost()) GTEST_SKIP();
    EXPECT_EQ(run.status, 2);
    const std::vector<Json> errors = run.OfKind("error");
    ASSERT_EQ(errors.size(), 1u) << run.errors;
    EXPECT_EQ(errors[0]["line"], 2);
    EXPECT_NE(errors[0]["reason"].get<std::string>().find(c.reason), std::string::npos)
        << errors[0]["reason"];
  }
}

TEST_F(PageHost, TheWindowsHostRefusesThePageCommandsSayingWhy) {
  if (!zvtest::WindowsHost()) GTEST_SKIP() << "the Linux host composes";
  const zvtest::HostRun run = Run("dump layout\nsnapshot doc " + temp_.PathOf("page.png") + "\n");
  EXPECT_EQ(run.status, 0) << run.errors;
  const std::vector<Json> refused = run.OfKind("refused");
  ASSERT_EQ(refused.size(), 2u);
  for (const Json &line : refused) {
    EXPECT_NE(line["reason"].get<std::string>().find("needs the Linux host"), std::string::npos);
  }
}

}  // namespace
