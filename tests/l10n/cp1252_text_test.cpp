#include "l10n/cp1252_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Cp1252Block, ConvertsLettersAndTypographicMarksToTheirWindowsBytes) {
  constexpr auto block = cp1252_block<3>("Grüße\0" "€ – “x”\0" "plain\0");
  static_assert(block.ok);
  EXPECT_STREQ(block.bytes + block.offset[0], "Gr\xFC\xDF" "e");
  EXPECT_STREQ(block.bytes + block.offset[1], "\x80 \x96 \x93x\x94");
  EXPECT_STREQ(block.bytes + block.offset[2], "plain");
}

TEST(Cp1252Block, KeepsEmptyTextsApart) {
  constexpr auto block = cp1252_block<3>("\0" "a\0" "\0");
  static_assert(block.ok);
  EXPECT_STREQ(block.bytes + block.offset[0], "");
  EXPECT_STREQ(block.bytes + block.offset[1], "a");
  EXPECT_STREQ(block.bytes + block.offset[2], "");
}

TEST(Cp1252Block, RefusesWhatWindows1252CannotHold) {
  EXPECT_FALSE((cp1252_block<1>("\u0394elta\0").ok)) << "Greek capital delta";
  EXPECT_FALSE((cp1252_block<1>("\U0001F3B5\0").ok)) << "a four-byte character";
  EXPECT_FALSE((cp1252_block<1>("\u0081\0").ok)) << "a C1 control";
  EXPECT_FALSE((cp1252_block<1>("\xC3(\0").ok)) << "a broken sequence";
  EXPECT_FALSE((cp1252_block<1>("\xC0\xAF\0").ok)) << "an overlong sequence";
}

TEST(Cp1252Block, RefusesTheWrongNumberOfTexts) {
  EXPECT_FALSE((cp1252_block<2>("one\0").ok));
  EXPECT_FALSE((cp1252_block<1>("one\0two\0").ok));
  EXPECT_FALSE((cp1252_block<1>("unterminated").ok));
}

}  // namespace
