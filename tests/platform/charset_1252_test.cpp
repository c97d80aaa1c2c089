// Windows-1252 character classes and case mapping.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/posix/testing.h"

namespace {

struct CharCase {
  unsigned code;
  bool alpha, alnum, upper, lower;
  unsigned to_upper, to_lower;
};

// a = letter, n = letter or digit, U/L = upper/lower case.
const CharCase kCases[] = {
    {'a', true, true, false, true, 'A', 'a'},
    {'Z', true, true, true, false, 'Z', 'z'},
    {'5', false, true, false, false, '5', '5'},
    {' ', false, false, false, false, ' ', ' '},
    {'&', false, false, false, false, '&', '&'},
    {0x00, false, false, false, false, 0x00, 0x00},
    {0x80, false, false, false, false, 0x80, 0x80},  // euro sign
    {0x81, false, false, false, false, 0x81, 0x81},  // unassigned
    {0x83, true, true, false, true, 0x83, 0x83},     // f with hook: no upper case here
    {0x8A, true, true, true, false, 0x8A, 0x9A},     // S caron
    {0x8C, true, true, true, false, 0x8C, 0x9C},     // OE
    {0x8D, false, false, false, false, 0x8D, 0x8D},  // unassigned
    {0x8E, true, true, true, false, 0x8E, 0x9E},     // Z caron
    {0x9A, true, true, false, true, 0x8A, 0x9A},
    {0x9C, true, true, false, true, 0x8C, 0x9C},
    {0x9E, true, true, false, true, 0x8E, 0x9E},
    {0x9F, true, true, true, false, 0x9F, 0xFF},     // Y diaeresis
    {0xA0, false, false, false, false, 0xA0, 0xA0},  // no-break space
    {0xAA, true, true, false, true, 0xAA, 0xAA},     // feminine ordinal: lower case, no capital
    {0xB2, false, true, false, false, 0xB2, 0xB2},   // superscript two
    {0xB5, true, true, false, true, 0xB5, 0xB5},     // micro sign stays
    {0xBA, true, true, false, true, 0xBA, 0xBA},     // masculine ordinal: lower case, no capital
    {0xC0, true, true, true, false, 0xC0, 0xE0},
    {0xC4, true, true, true, false, 0xC4, 0xE4},
    {0xD0, true, true, true, false, 0xD0, 0xF0},     // eth
    {0xD6, true, true, true, false, 0xD6, 0xF6},
    {0xD7, false, false, false, false, 0xD7, 0xD7},  // multiplication sign
    {0xD8, true, true, true, false, 0xD8, 0xF8},
    {0xDE, true, true, true, false, 0xDE, 0xFE},     // thorn
    {0xDF, true, true, false, true, 0xDF, 0xDF},     // sharp s stays
    {0xE0, true, true, false, true, 0xC0, 0xE0},
    {0xF6, true, true, false, true, 0xD6, 0xF6},
    {0xF7, false, false, false, false, 0xF7, 0xF7},  // division sign
    {0xFE, true, true, false, true, 0xDE, 0xFE},
    {0xFF, true, true, false, true, 0x9F, 0xFF},     // y diaeresis -> Y diaeresis
};

TEST(Charset1252, ClassesFollowTheCodePage) {
  for (const CharCase& c : kCases) {
    CHAR ch = CHAR(c.code);
    EXPECT_EQ(IsCharAlphaA(ch) != 0, c.alpha) << std::hex << c.code;
    EXPECT_EQ(IsCharAlphaNumericA(ch) != 0, c.alnum) << std::hex << c.code;
    EXPECT_EQ(IsCharUpperA(ch) != 0, c.upper) << std::hex << c.code;
    EXPECT_EQ(IsCharLowerA(ch) != 0, c.lower) << std::hex << c.code;
  }
}

TEST(Charset1252, SingleCharacterFormConvertsTheLowByte) {
  for (const CharCase& c : kCases) {
    LPSTR as_pointer = reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(c.code));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(CharUpperA(as_pointer)), c.to_upper) << std::hex << c.code;
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(CharLowerA(as_pointer)), c.to_lower) << std::hex << c.code;
  }
}

TEST(Charset1252, StringFormConvertsInPlace) {
  for (const CharCase& c : kCases) {
    if (c.code == 0) continue;
    char text[3] = {CHAR(c.code), 'x', '\0'};
    EXPECT_EQ(CharUpperA(text), text);
    EXPECT_EQ(BYTE(text[0]), c.to_upper) << std::hex << c.code;
    EXPECT_EQ(text[1], 'X');
    CharLowerA(text);
    EXPECT_EQ(BYTE(text[0]), c.upper || c.lower ? c.to_lower : c.code) << std::hex << c.code;
  }
}

TEST(Charset1252, EveryCapitalRoundTripsThroughLowerCase) {
  int capitals = 0, small = 0;
  for (unsigned code = 1; code < 256; ++code) {
    CHAR ch = CHAR(code);
    if (IsCharUpperA(ch)) {
      ++capitals;
      char text[2] = {ch, 0};
      CharLowerA(text);
      EXPECT_TRUE(IsCharLowerA(text[0])) << std::hex << code;
      CharUpperA(text);
      EXPECT_EQ(BYTE(text[0]), code) << std::hex << code;
    }
    if (IsCharLowerA(ch)) ++small;
    EXPECT_FALSE(IsCharUpperA(ch) && IsCharLowerA(ch)) << std::hex << code;
  }
  EXPECT_EQ(capitals, 26 + 4 + 30);
  EXPECT_EQ(small, 26 + 4 + 30 + 3 + 2);  // f hook, micro sign, sharp s, the two ordinals
}

TEST(Charset1252, BufferFormsConvertExactlyTheGivenLength) {
  char text[] = "abc\xE4";
  EXPECT_EQ(CharUpperBuffA(text, 2), 2u);
  EXPECT_STREQ(text, "ABc\xE4");
  EXPECT_EQ(CharLowerBuffA(text, 4), 4u);
  EXPECT_STREQ(text, "abc\xE4");
  EXPECT_EQ(CharUpperBuffA(nullptr, 3), 0u);
}

}  // namespace
