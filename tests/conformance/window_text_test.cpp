// Reading and writing window texts as the accelerator choice does: a fixed
// buffer, truncation, 8-bit characters kept.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "conformance/conformance_windows.h"

namespace {

using Win32WindowText = conformance::WindowsTest;

TEST_F(Win32WindowText, GetWindowTextATruncatesToTheBufferAndAnswersTheCharactersCopied) {
  HWND label = child("Static", 112, "Keep topmost");
  ASSERT_NE(label, nullptr);
  const struct {
    int buffer;
    const char* expected;
  } cases[] = {{100, "Keep topmost"}, {13, "Keep topmost"}, {12, "Keep topmos"}, {6, "Keep "}, {1, ""}};
  for (const auto& c : cases) {
    char text[100];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(GetWindowTextA(label, text, c.buffer), int(std::strlen(c.expected))) << "buffer " << c.buffer;
    EXPECT_STREQ(text, c.expected) << "buffer " << c.buffer;
  }
}

TEST_F(Win32WindowText, AHundredCharacterBufferHoldsNinetyNineCharacters) {
  HWND label = child("Static", 1, "");
  const std::string long_text(150, 'w');
  ASSERT_TRUE(SetWindowTextA(label, long_text.c_str()));
  char text[101];
  std::memset(text, 'x', sizeof text);
  EXPECT_EQ(GetWindowTextA(label, text, 100), 99);
  EXPECT_EQ(text[99], '\0');
  EXPECT_EQ(text[100], 'x') << "nothing written past the buffer";
  EXPECT_EQ(GetWindowTextLengthA(label), 150);
}

TEST_F(Win32WindowText, SetWindowTextAKeepsWindows1252LettersAndAmpersands) {
  if (!conformance::user_code_page_is_1252()) GTEST_SKIP() << "the user's code page is not 1252";
  HWND button = child("Button", 119, "");
  ASSERT_TRUE(SetWindowTextA(button, "&H\xE5ll \xF6versta"));
  char text[100];
  EXPECT_EQ(GetWindowTextA(button, text, 100), 13);
  EXPECT_STREQ(text, "&H\xE5ll \xF6versta");
}

TEST_F(Win32WindowText, GetWindowTextAOfNoWindowAnswersZero) {
  HWND label = child("Static", 1, "gone");
  DestroyWindow(label);
  char text[10] = "xxxxxxxxx";
  EXPECT_EQ(GetWindowTextA(label, text, 10), 0);
}

}  // namespace
