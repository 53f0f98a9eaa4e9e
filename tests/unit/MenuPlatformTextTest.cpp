// Texts between the platform encoding the module speaks and the UTF-8 the host keeps.
#include <gtest/gtest.h>

#include "host/menus/PlatformText.h"

namespace {

using zvhost::PlatformToUtf8;
using zvhost::Utf8ToPlatform;

TEST(MenuPlatformText, EveryByteComesBackUnchanged) {
  for (int byte = 1; byte < 256; ++byte) {
    const std::string platform(1, static_cast<char>(byte));
    std::optional<std::string> back = Utf8ToPlatform(PlatformToUtf8(platform));
    ASSERT_TRUE(back.has_value()) << byte;
    EXPECT_EQ(*back, platform) << byte;
  }
}

TEST(MenuPlatformText, TheHighBytesAreTheCodePagesCharacters) {
  struct Case {
    const char *platform;
    const char *utf8;
  };
  const Case cases[] = {
      {"About Zarvel...", "About Zarvel..."},
      {"\x80", "\u20ac"},
      {"\x85", "\u2026"},
      {"\x9f", "\u0178"},
      {"\x8d", "\u008d"},  // undefined in the code page: the control character of its value
      {"\xa0\xe9\xff", "\u00a0\u00e9\u00ff"},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(PlatformToUtf8(c.platform), c.utf8) << c.platform;
  }
}

TEST(MenuPlatformText, TextsThePlatformCannotHoldAreRefused) {
  const char *refused[] = {
      "\u0100",            // no byte for it
      "\u0085",            // a control whose byte stands for another character
      "\u0627",            // Arabic
      "\xc3",              // cut short
      "\xc0\xaf",          // overlong
      "\xed\xa0\x80",      // a surrogate
      "\xf4\x90\x80\x80",  // past U+10FFFF
      "\x80",              // a continuation byte alone
  };
  for (const char *utf8 : refused) {
    EXPECT_FALSE(Utf8ToPlatform(utf8).has_value()) << ::testing::PrintToString(std::string(utf8));
  }
  EXPECT_EQ(Utf8ToPlatform("\U0001F600x"), std::nullopt);
  EXPECT_EQ(Utf8ToPlatform(""), std::string());
}

}  // namespace
