// Character attributes written into the document's text selection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TextHostTest.h"
#include "commands/CharacterCommands.h"

namespace texttest {
namespace {

using Texts = std::vector<std::string>;
using Ints = std::vector<int64_t>;

// One story of one paragraph: 8 characters, all attributes 0, in a frame of its own.
const char *const kOneStory = R"({
  "format": "zarvel-document/1",
  "stories": [{"paragraphs": [{"text": "abcdefgh"}]}],
  "art": [{"kind": "text", "story": 0}, {"kind": "path"}]
})";

struct ListCommand {
  const char *name;
  HostErr (*run)(int32_t);
  const char *attribute;
  Ints written;  // by entry index; -1 where the entry writes nothing
  Texts traces;  // start, selection failure, end
};

const ListCommand kListCommands[] = {
    {"SetCharacterDirection",
     SetCharacterDirection,
     "dirOverride",
     {-1, 0, 1, 2, -1},
     {"SetCharacterDirection: Start", "SetCharacterDirection : Didn't get TextSelection Area",
      "SetCharacterDirection: End"}},
    {"SetDigit",
     SetDigit,
     "digitSet",
     {-1, 0, 1, 2, 3, -1},
     {"SetDigit: Start", "SetDigit : Didn't get TextSelection Area", "SetDigit: End"}},
    {"SetDiacriticsPosition",
     SetDiacriticsPosition,
     "diacVPos",
     {-1, 0, 1, 2, 3, 4, -1},
     {"SetDiacriticsPosition: Start", "SetDiacriticsPosition : Didn't get TextSelection Area",
      "SetDiacriticsPosition: End"}},
};

class CommandCharacterTest : public TextHostTest {
 protected:
  void SetUp() override {
    TextHostTest::SetUp();
    Open(kOneStory);
  }
  // A value no entry writes, so that "nothing written" shows.
  static constexpr int64_t kUntouched = 9;
  void Preset(const char *attribute) {
    Open(std::string(R"({"format": "zarvel-document/1", "stories": [{"paragraphs": [
        {"text": "abcdefgh", "runs": [{"length": 8, ")") +
         attribute + R"(": 9}]}]}], "art": [{"kind": "text", "story": 0}, {"kind": "path"}]})");
  }
};

TEST_F(CommandCharacterTest, EveryListEntryWritesItsValueIntoTheSelectedCharacters) {
  for (const ListCommand &command : kListCommands) {
    for (int32_t index = 0; index < static_cast<int32_t>(command.written.size()); ++index) {
      Preset(command.attribute);
      Select("text 0 2 5");
      EXPECT_EQ(command.run(index), kHostNoErr) << command.name << " " << index;
      const int64_t value = command.written[index] < 0 ? kUntouched : command.written[index];
      EXPECT_EQ(CharValues<int64_t>(0, command.attribute),
                (Ints{9, 9, value, value, value, 9, 9, 9}))
          << command.name << " " << index;
      EXPECT_EQ(Traces(), (Texts{command.traces[0], command.traces[2]}));
      ExpectNothingAlive();
    }
    Preset(command.attribute);
    Select("text 0 0 8");
    EXPECT_EQ(command.run(-1), kHostNoErr) << command.name;
    EXPECT_EQ(CharValues<int64_t>(0, command.attribute), Ints(8, kUntouched)) << command.name;
  }
}

TEST_F(CommandCharacterTest, KashidasFollowTheCheckBox) {
  struct Case {
    int32_t checked;
    int64_t kashidas;
  };
  for (const Case &c : {Case{1, 0}, Case{0, 1}, Case{-5, 0}}) {
    Preset("kashidas");
    Select("text 0 0 4");
    EXPECT_EQ(SetKashidasCheckBox(c.checked), kHostNoErr);
    EXPECT_EQ(CharValues<int64_t>(0, "kashidas"),
              (Ints{c.kashidas, c.kashidas, c.kashidas, c.kashidas, 9, 9, 9, 9}))
        << c.checked;
    EXPECT_EQ(Traces(), (Texts{"SetKashidasCheckBox: Start", "SetKashidasCheckBox: End"}));
    ExpectNothingAlive();
  }
}

TEST_F(CommandCharacterTest, AnEmptySelectionChangesNothing) {
  Preset("digitSet");
  for (const char *selection : {"none", "art 1"}) {
    Select(selection);
    const Json before = Document()["stories"];
    for (const ListCommand &command : kListCommands) {
      EXPECT_EQ(command.run(1), kHostNoErr) << command.name << " " << selection;
    }
    EXPECT_EQ(SetKashidasCheckBox(1), kHostNoErr);
    EXPECT_EQ(SetDiacriticsXOffset(10.0f), kHostNoErr);
    EXPECT_EQ(SetDiacriticsYOffset(10.0f), kHostNoErr);
    EXPECT_EQ(Document()["stories"], before) << selection;
    ExpectNothingAlive();
  }
}

TEST_F(CommandCharacterTest, SelectedFramesGetTheWholeStory) {
  Select("art 0");
  EXPECT_EQ(SetDigit(3), kHostNoErr);
  EXPECT_EQ(CharValues<int64_t>(0, "digitSet"), Ints(8, 2));
}

TEST_F(CommandCharacterTest, OffsetsAreWrittenOnlyWithASelectedFrameAndUnaltered) {
  struct Case {
    float offset;
    double written;
  };
  for (const Case &c :
       {Case{-10.0f, -10.0}, Case{2.5f, 2.5}, Case{100.0f, 100.0}, Case{-1000.25f, -1000.25}}) {
    Select("art 0");
    EXPECT_EQ(SetDiacriticsXOffset(c.offset), kHostNoErr);
    EXPECT_EQ(SetDiacriticsYOffset(-c.offset), kHostNoErr);
    EXPECT_EQ(CharValues<double>(0, "diacXOffset"), std::vector<double>(8, c.written));
    EXPECT_EQ(CharValues<double>(0, "diacYOffset"), std::vector<double>(8, -c.written));
    EXPECT_EQ(Traces(),
              (Texts{"SetDiacriticsXOffset: Start", "GetCountArtSet: Start", "GetCountArtSet: End",
                     "DiacriticsXOffset: End", "SetDiacriticsYOffset: Start",
                     "GetCountArtSet: Start", "GetCountArtSet: End", "DiacriticsYOffset: End"}));
    ExpectNothingAlive();
  }
  // Characters selected with the text tool, but no frame selected as a whole.
  Select("text 0 0 3");
  EXPECT_EQ(SetDiacriticsXOffset(50.0f), kHostNoErr);
  EXPECT_EQ(CharValues<double>(0, "diacXOffset"), std::vector<double>(8, -1000.25));
}

TEST_F(CommandCharacterTest, AFailedTextSelectionIsTracedAndReturned) {
  struct Case {
    HostErr (*run)();
    Texts traces;
  };
  const Case cases[] = {
      {[] { return SetCharacterDirection(2); }, kListCommands[0].traces},
      {[] { return SetDigit(2); }, kListCommands[1].traces},
      {[] { return SetDiacriticsPosition(2); }, kListCommands[2].traces},
      {[] { return SetKashidasCheckBox(1); },
       {"SetKashidasCheckBox: Start", "SetKashidasCheckBox : Didn't get TextSelection Area",
        "SetKashidasCheckBox: End"}},
  };
  Select("text 0 0 8");
  const Json before = Document()["stories"];
  for (const Case &c : cases) {
    Fail("AI Document Suite/GetTextSelection:NESS");
    EXPECT_EQ(c.run(), kNess) << c.traces[0];
    EXPECT_EQ(Traces(), c.traces);
  }
  Select("art 0");
  struct Offset {
    HostErr (*run)(float);
    const char *name;
  };
  for (const auto &[run, name] : {Offset{SetDiacriticsXOffset, "SetDiacriticsXOffset"},
                                  Offset{SetDiacriticsYOffset, "SetDiacriticsYOffset"}}) {
    Fail("AI Document Suite/GetTextSelection:NESS");
    EXPECT_EQ(run(5.0f), kNess) << name;
    const Texts lines = Traces();
    ASSERT_EQ(lines.size(), 5u) << name;
    EXPECT_EQ(lines[3], std::string(name) + " : Didn't get TextSelection Area");
  }
  EXPECT_EQ(Document()["stories"], before);
  ExpectNothingAlive();
}

TEST_F(CommandCharacterTest, WithoutADocumentTheFailureIsReturned) {
  harness_.Run("close");
  Traces();
  for (const ListCommand &command : kListCommands) {
    EXPECT_NE(command.run(1), kHostNoErr) << command.name;
    EXPECT_EQ(Traces(), command.traces);
  }
  EXPECT_NE(SetKashidasCheckBox(1), kHostNoErr);
  // No frame can be selected without a document, so the offsets write nothing.
  EXPECT_EQ(SetDiacriticsXOffset(5.0f), kHostNoErr);
  ExpectNothingAlive();
}

TEST_F(CommandCharacterTest, AnEngineFailureBecomesTheResult) {
  const char *const failures[] = {
      "ATE TextRanges Suite/GetCharFeatures:ATEp",
      "ATE TextRanges Suite/GetSize:ATEp",
      "ATE CharFeatures Suite/SetDigitSet:ATEp",
      "ATE TextRanges Suite/SetLocalCharFeatures:ATEp",
  };
  for (const char *failure : failures) {
    Select("text 0 0 8");
    Fail(failure);
    EXPECT_EQ(SetDigit(3), kAtep) << failure;
    EXPECT_EQ(Traces(), (Texts{"SetDigit: Start", "SetDigit: End"}));
    EXPECT_EQ(CharValues<int64_t>(0, "digitSet"), Ints(8, 0)) << failure;
    ExpectNothingAlive();
  }
  Select("art 0");
  Fail("ATE CharFeatures Suite/SetDiacXOffset:ATEp");
  EXPECT_EQ(SetDiacriticsXOffset(5.0f), kAtep);
  ExpectNothingAlive();
}

}  // namespace
}  // namespace texttest
