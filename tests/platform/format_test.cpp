// wsprintfA's formats and its 1024-character limit.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/posix/testing.h"

namespace {

std::string format_int(const char* fmt, int value) {
  char out[1100];
  wsprintfA(out, fmt, value);
  return out;
}

TEST(Format, NumbersFollowTheFlagsWidthAndPrecision) {
  struct Case {
    const char* fmt;
    int value;
    const char* expected;
  };
  const Case cases[] = {
      {"%d", 4, "4"},
      {"%d", -32768, "-32768"},
      {"%i", 123, "123"},
      {"%u", -1, "4294967295"},
      {"%x", 255, "ff"},
      {"%X", 255, "FF"},
      {"%#x", 255, "0xff"},
      {"%#X", 26, "0X1A"},
      {"%5d", 42, "   42"},
      {"%-5d|", 42, "42   |"},
      {"%05d", -42, "-0042"},
      {"%.3d", 7, "007"},
      {"%ld", -7, "-7"},
      {"%lu", 7, "7"},
      {"%hd", 65535, "-1"},
      {"%hu", 65537, "1"},
      {"Page %d was not processed.", 4, "Page 4 was not processed."},
      {"%c", 'A', "A"},
      {"%3c", 'A', "  A"},
      {"100%%", 0, "100%"},
      {"%q", 5, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(format_int(c.fmt, c.value), c.expected) << c.fmt;
}

TEST(Format, StringsTakeWidthPrecisionAndNull) {
  char out[64];
  EXPECT_EQ(wsprintfA(out, "%s (%d)", "Current Page", 3), 16);
  EXPECT_STREQ(out, "Current Page (3)");
  wsprintfA(out, "[%6s][%-6s][%.2s]", "ab", "ab", "abc");
  EXPECT_STREQ(out, "[    ab][ab    ][ab]");
  wsprintfA(out, "%s", static_cast<const char*>(nullptr));
  EXPECT_STREQ(out, "(null)");
  const uint16_t wide[] = {'O', 0x00F6, 0x263A, 0};
  wsprintfA(out, "%S|%ls", wide, wide);
  EXPECT_STREQ(out, "O\xF6?|O\xF6?");
}

TEST(Format, SixtyFourBitValuesNeedI64) {
  char out[64];
  wsprintfA(out, "%I64d %I64x", -5000000000LL, 0x123456789ALL);
  EXPECT_STREQ(out, "-5000000000 123456789a");
}

TEST(Format, OutputStopsAt1023CharactersAndATerminator) {
  std::string long_text(2000, 'q');
  char out[1100];
  std::memset(out, 'z', sizeof out);
  EXPECT_EQ(wsprintfA(out, "%s", long_text.c_str()), 1023);
  EXPECT_EQ(out[1022], 'q');
  EXPECT_EQ(out[1023], '\0');
  EXPECT_EQ(out[1024], 'z') << "nothing past the limit";
}

TEST(Strings, LengthAndBoundedCopy) {
  EXPECT_EQ(lstrlenA("Close"), 5);
  EXPECT_EQ(lstrlenA(nullptr), 0);
  struct Case {
    int size;
    const char* expected;
  };
  const Case cases[] = {{10, "Close"}, {6, "Close"}, {3, "Cl"}, {1, ""}, {0, "zzzzzzz"}};
  for (const Case& c : cases) {
    char out[8] = "zzzzzzz";
    EXPECT_EQ(lstrcpynA(out, "Close", c.size), out);
    EXPECT_STREQ(out, c.expected) << c.size;
  }
}

}  // namespace
