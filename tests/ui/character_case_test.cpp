#include "ui/character_case.h"

#include <gtest/gtest.h>

namespace {

TEST(Win32Toupper, RaisesOneCharacterByTheWindows1252Cases) {
  const struct {
    unsigned char in;
    unsigned char out;
  } cases[] = {{'a', 'A'}, {'z', 'Z'}, {'A', 'A'}, {'1', '1'}, {'&', '&'}, {0xE4, 0xC4}, {0xF6, 0xD6},
               {0xE5, 0xC5}, {0xFF, 0x9F}, {0x9A, 0x8A}, {0xDF, 0xDF}, {0xF7, 0xF7}, {0, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(static_cast<unsigned char>(Win32_toupper(char(c.in))), c.out) << "character " << int(c.in);
}

}  // namespace
