// The spellings of error codes and the search of the error message list.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "plugin/ErrorCodeText.h"
#include "plugin/ErrorMessageList.h"

namespace {

TEST(FrameCodeText, DecodesDecimalAndFourCharacterTexts) {
  struct Case {
    const char *text;
    HostErr code;
  };
  const Case cases[] = {
      {"-108", -108},
      {"271", 271},
      {"SEGM", ZV_FOUR_CHAR('S', 'E', 'G', 'M')},
      {"!sel", ZV_FOUR_CHAR('!', 's', 'e', 'l')},
      {"<Others>", ZV_FOUR_CHAR('<', 'O', 't', 'h')},
      {"AB", ZV_FOUR_CHAR('A', 'B', 0, 0)},
      {"12.9", 12},  // truncated toward zero
      {"-12.9", -12},
      {"65536", 0},  // taken modulo 65536 as a signed 16-bit number
      {"65535", -1},
      {"98304", -32768},
      {"-", 0},  // begins like a number but spells none
      {"7abc", 7},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(DecodeCodeText(c.text), c.code) << "'" << c.text << "'";
  }
}

TEST(FrameCodeText, FormatsSmallCodesInDecimalAndOthersAsCharacters) {
  struct Case {
    HostErr code;
    const char *text;
  };
  const Case cases[] = {
      {-108, "-108"},
      {271, "271"},
      {65535, "65535"},
      {-65536, "-65536"},
      {65536, "????"},  // 00 01 00 00: no byte of it is printable
      {ZV_FOUR_CHAR('A', 'B', 'C', 'D'), "ABCD"},
      {ZV_FOUR_CHAR('S', '!', 'F', 'd'), "S!Fd"},
      {ZV_FOUR_CHAR('A', 'B', 0, 'C'), "AB?C"},
      {-65537, "????"},
      {INT32_MIN, "????"},
  };
  for (const Case &c : cases) {
    const std::array<char, 16> text = FormatCodeText(c.code);
    EXPECT_EQ(text.back(), '\0');
    EXPECT_STREQ(text.data(), c.text) << c.code;
  }
}

// Copies a text into a reader's buffer as the dialog manager does.
void CopyEntry(const std::string &text, std::span<char> buffer) {
  buffer[text.copy(buffer.data(), buffer.size() - 1)] = '\0';
}

// A message list held in memory, read as the dialog manager reads a string list.
ReadListEntry ListOf(std::vector<std::string> entries) {
  return [entries = std::move(entries)](int32_t index, std::span<char> buffer) {
    const std::string text = index < static_cast<int32_t>(entries.size()) ? entries[index] : "";
    CopyEntry(text, buffer);
  };
}

TEST(FrameMessageList, FindsThePairOrFallsBackToTheLastMessage) {
  const ReadListEntry list =
      ListOf({"note", "-108", "memory", "SEGM", "locked", "<Others>", "unknown"});
  EXPECT_EQ(FindErrorMessageIndex(-108, list), 2);
  EXPECT_EQ(FindErrorMessageIndex(ZV_FOUR_CHAR('S', 'E', 'G', 'M'), list), 4);
  EXPECT_EQ(FindErrorMessageIndex(ZV_FOUR_CHAR('A', 'B', 'C', 'D'), list), 6);
  EXPECT_EQ(FindErrorMessageIndex(ZV_FOUR_CHAR('<', 'O', 't', 'h'), list), 6);
}

TEST(FrameMessageList, AnEmptyListLeavesTheNote) {
  EXPECT_EQ(FindErrorMessageIndex(-108, ListOf({"note"})), 0);
}

TEST(FrameMessageList, ASearchEndsEvenIfTheListNeverReadsEmpty) {
  int reads = 0;
  const ReadListEntry endless = [&reads](int32_t index, std::span<char> buffer) {
    ++reads;
    const std::string text = index % 2 == 1 ? "1" : "message";
    CopyEntry(text, buffer);
  };
  const int32_t index = FindErrorMessageIndex(ZV_FOUR_CHAR('A', 'B', 'C', 'D'), endless);
  EXPECT_LT(index, kErrorMessageListMaxEntries);
  EXPECT_EQ(index % 2, 0) << "the last message, not a code text";
  EXPECT_GT(index, 0);
  EXPECT_LE(reads, kErrorMessageListMaxEntries);
}

TEST(FrameMessageList, ACodeTextThatFillsTheBufferIsCutNotOverrun) {
  const ReadListEntry full = [](int32_t index, std::span<char> buffer) {
    if (index > 2) return;
    std::memset(buffer.data(), index == 1 ? 'X' : 'm', buffer.size());  // no terminator
  };
  EXPECT_EQ(FindErrorMessageIndex(ZV_FOUR_CHAR('X', 'X', 'X', 'X'), full), 2);
}

}  // namespace
