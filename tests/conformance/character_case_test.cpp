// Case mapping and character classes of the user's code page, Windows-1252,
// which the accelerator choice relies on.
#include <gtest/gtest.h>

#include <cstring>

#include "conformance/conformance_windows.h"
#include "platform/win32.h"

namespace {

TEST(Win32CaseMapping, CharUpperARaisesAccentedLettersInPlace) {
  if (!conformance::user_code_page_is_1252()) GTEST_SKIP() << "the user's code page is not 1252";
  char text[] = "a\xE4\xF6\xE5\xE9\xE8\xE7\xF1\xFC\xF8\xE0\x9A\x9C-z:9";
  EXPECT_EQ(CharUpperA(text), text);
  EXPECT_STREQ(text, "A\xC4\xD6\xC5\xC9\xC8\xC7\xD1\xDC\xD8\xC0\x8A\x8C-Z:9");
}

TEST(Win32CaseMapping, CharUpperALeavesCapitalsAndNonLettersAlone) {
  if (!conformance::user_code_page_is_1252()) GTEST_SKIP() << "the user's code page is not 1252";
  char text[] = "\xC4\xD6Q&() \xD7\xF7\xDF";
  CharUpperA(text);
  EXPECT_STREQ(text, "\xC4\xD6Q&() \xD7\xF7\xDF") << "multiplication and division signs, sharp s";
}

struct CharacterClass {
  unsigned char character;
  bool alphanumeric;
  bool upper;
};

TEST(Win32CharacterClasses, TellLettersDigitsAndCapitalsOfWindows1252) {
  if (!conformance::user_code_page_is_1252()) GTEST_SKIP() << "the user's code page is not 1252";
  const CharacterClass cases[] = {
      {'A', true, true},   {'z', true, false},  {'0', true, false},  {'9', true, false},
      {'-', false, false}, {':', false, false}, {' ', false, false}, {'&', false, false},
      {'.', false, false}, {0xC4, true, true},  {0xE4, true, false}, {0xD6, true, true},
      {0xF6, true, false}, {0xC5, true, true},  {0xE5, true, false}, {0xDF, true, false},
      {0xD7, false, false}, {0xF7, false, false}, {0xA0, false, false},
  };
  for (const CharacterClass& c : cases) {
    const CHAR ch = static_cast<CHAR>(c.character);
    EXPECT_EQ(IsCharAlphaNumericA(ch) != FALSE, c.alphanumeric) << "character 0x" << std::hex << int(c.character);
    EXPECT_EQ(IsCharUpperA(ch) != FALSE, c.upper) << "character 0x" << std::hex << int(c.character);
  }
}

}  // namespace
