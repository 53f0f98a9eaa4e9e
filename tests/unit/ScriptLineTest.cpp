// How a script line splits into words: where a comment starts, what a quote holds, and the
// lines that are refused rather than read in a way the writer did not mean.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/core/CommandTable.h"
#include "host/core/UsageError.h"

namespace {

using Words = std::vector<std::string>;

TEST(ScriptLine, ACommentStartsOnlyWhereAWordWould) {
  struct Case {
    const char *line;
    Words words;
  };
  const Case cases[] = {
      {"save notes#backup.json", {"save", "notes#backup.json"}},
      {"open draft#2.json   # the second draft", {"open", "draft#2.json"}},
      {"# a whole line of comment", {}},
      {"\t select art 0 #1", {"select", "art", "0"}},
      {"panel choose Digits #", {"panel", "choose", "Digits"}},
      {"open a.json\r", {"open", "a.json"}},
      {"menu \"Window Utilities/Zarvel/Zarvel\" # shows the panel",
       {"menu", "Window Utilities/Zarvel/Zarvel"}},
      {"save \"#1.json\"", {"save", "#1.json"}},
  };
  for (const Case &c : cases) EXPECT_EQ(zvhost::SplitScriptLine(c.line), c.words) << c.line;
}

TEST(ScriptLine, AQuotedWordHoldsBlanksQuotesAndBackslashes) {
  struct Case {
    const char *line;
    Words words;
  };
  const Case cases[] = {
      {R"(save "")", {"save", ""}},
      {R"(save "my notes.json")", {"save", "my notes.json"}},
      {R"(save "the \"best\" one.json")", {"save", "the \"best\" one.json"}},
      {R"(save "C:\Users\ali\doc.json")", {"save", R"(C:\Users\ali\doc.json)"}},
      {R"(save "C:\docs\\")", {"save", R"(C:\docs\)"}},
      {R"(save "\\")", {"save", "\\"}},
      {R"(panel choose "Digits" "Farsi")", {"panel", "choose", "Digits", "Farsi"}},
  };
  for (const Case &c : cases) EXPECT_EQ(zvhost::SplitScriptLine(c.line), c.words) << c.line;
}

TEST(ScriptLine, AQuoteThatIsNotAWholeWordIsRefused) {
  struct Case {
    const char *line;
    const char *reason;
  };
  const Case cases[] = {
      {R"(save "notes.json)", "unterminated quote"},
      {R"(save "a\")", "unterminated quote"},
      {R"(save "a"b)", "a blank must follow the closing quote of \"a\""},
      {R"(save "a"#1)", "a blank must follow the closing quote of \"a\""},
      {R"(save my"notes".json)", "a quote inside the word 'my\"notes\".json'"},
  };
  for (const Case &c : cases) {
    try {
      zvhost::SplitScriptLine(c.line);
      ADD_FAILURE() << c.line << " was split";
    } catch (const zvhost::UsageError &error) {
      EXPECT_EQ(std::string(error.what()).find(c.reason), 0u) << c.line << ": " << error.what();
    }
  }
}

}  // namespace
