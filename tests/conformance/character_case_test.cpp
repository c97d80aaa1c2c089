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
  bool alpha;
  bool lower;
  unsigned char upper_case;  // what CharUpperA makes of it
};

TEST(Win32CharacterClasses, TellLettersDigitsAndCasesOfWindows1252) {
  if (!conformance::user_code_page_is_1252()) GTEST_SKIP() << "the user's code page is not 1252";
  // The letters of Windows-1252 beyond A-Z whose class an accelerator choice
  // may meet: ordinal indicators, superscript digits, micro sign, f hook,
  // sharp s and y diaeresis (whose capital lives at 0x9F).
  const CharacterClass cases[] = {
      {'A', true, true, true, false, 'A'},       {'z', true, false, true, true, 'Z'},
      {'0', true, false, false, false, '0'},     {'9', true, false, false, false, '9'},
      {'-', false, false, false, false, '-'},    {':', false, false, false, false, ':'},
      {' ', false, false, false, false, ' '},    {'&', false, false, false, false, '&'},
      {'.', false, false, false, false, '.'},    {0xC4, true, true, true, false, 0xC4},
      {0xE4, true, false, true, true, 0xC4},     {0xD6, true, true, true, false, 0xD6},
      {0xF6, true, false, true, true, 0xD6},     {0xC5, true, true, true, false, 0xC5},
      {0xE5, true, false, true, true, 0xC5},     {0xDF, true, false, true, true, 0xDF},
      {0xD7, false, false, false, false, 0xD7},  {0xF7, false, false, false, false, 0xF7},
      {0xA0, false, false, false, false, 0xA0},  {0xAA, true, false, true, true, 0xAA},
      {0xBA, true, false, true, true, 0xBA},    {0xB2, true, false, false, false, 0xB2},
      {0xB3, true, false, false, false, 0xB3},   {0xB9, true, false, false, false, 0xB9},
      {0xB5, true, false, true, true, 0xB5},     {0x83, true, false, true, true, 0x83},
      {0xFF, true, false, true, true, 0x9F},     {0x9F, true, true, true, false, 0x9F},
      {0x9A, true, false, true, true, 0x8A},     {0x8C, true, true, true, false, 0x8C},
  };
  for (const CharacterClass& c : cases) {
    const CHAR ch = static_cast<CHAR>(c.character);
    EXPECT_EQ(IsCharAlphaNumericA(ch) != FALSE, c.alphanumeric) << "character 0x" << std::hex << int(c.character);
    EXPECT_EQ(IsCharUpperA(ch) != FALSE, c.upper) << "character 0x" << std::hex << int(c.character);
    EXPECT_EQ(IsCharAlphaA(ch) != FALSE, c.alpha) << "character 0x" << std::hex << int(c.character);
    EXPECT_EQ(IsCharLowerA(ch) != FALSE, c.lower) << "character 0x" << std::hex << int(c.character);
    char text[2] = {ch, 0};
    CharUpperA(text);
    EXPECT_EQ(static_cast<unsigned char>(text[0]), c.upper_case) << "character 0x" << std::hex << int(c.character);
  }
}

}  // namespace
