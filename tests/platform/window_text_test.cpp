// Window text and the dialog-item text helpers.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/posix/testing.h"

namespace {

class WindowText : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    dialog = standin::create_window(nullptr, "#32770", 0, "Dialog", WS_POPUP, RECT{0, 0, 9, 9});
    field = standin::create_window(dialog, "Static", 106, "Close", 0, RECT{0, 0, 5, 5});
  }
  HWND dialog = nullptr;
  HWND field = nullptr;
};

TEST_F(WindowText, GetWindowTextTruncatesLikeWindows) {
  struct Case {
    int buffer_size;
    int answer;
    const char* text;
  };
  const Case cases[] = {{100, 5, "Close"}, {6, 5, "Close"}, {5, 4, "Clos"},
                        {2, 1, "C"},       {1, 0, ""},      {0, 0, "untouched"}};
  for (const Case& c : cases) {
    char buffer[16];
    std::strcpy(buffer, "untouched");
    EXPECT_EQ(GetWindowTextA(field, buffer, c.buffer_size), c.answer) << "size " << c.buffer_size;
    EXPECT_STREQ(buffer, c.text) << "size " << c.buffer_size;
  }
  EXPECT_EQ(GetWindowTextLengthA(field), 5);
}

TEST_F(WindowText, TextOfAMissingWindowIsEmpty) {
  char buffer[8] = "junk";
  EXPECT_EQ(GetWindowTextA(nullptr, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  std::strcpy(buffer, "junk");
  EXPECT_EQ(GetDlgItemTextA(dialog, 999, buffer, sizeof buffer), 0u);
  EXPECT_STREQ(buffer, "");
  EXPECT_FALSE(SetDlgItemTextA(dialog, 999, "x"));
}

TEST_F(WindowText, SetWindowTextWithNullClearsTheText) {
  EXPECT_TRUE(SetWindowTextA(field, nullptr));
  EXPECT_EQ(GetWindowTextLengthA(field), 0);
  EXPECT_TRUE(SetDlgItemTextA(dialog, 106, "&All pages"));
  char buffer[32];
  EXPECT_EQ(GetDlgItemTextA(dialog, 106, buffer, sizeof buffer), 10u);
  EXPECT_STREQ(buffer, "&All pages");
}

TEST_F(WindowText, GetDlgItemIntReadsTheLeadingNumber) {
  struct Case {
    const char* text;
    BOOL is_signed;
    BOOL translated;
    UINT value;
  };
  const Case cases[] = {
      {"42", TRUE, TRUE, 42},          {"  7", TRUE, TRUE, 7},
      {"-12", TRUE, TRUE, UINT(-12)},  {"-12", FALSE, FALSE, 0},
      {"12abc", TRUE, TRUE, 12},       {"abc", TRUE, FALSE, 0},
      {"2147483648", TRUE, FALSE, 0},  {"99999999999", FALSE, FALSE, 0},
  };
  for (const Case& c : cases) {
    SetDlgItemTextA(dialog, 106, c.text);
    BOOL translated = 2;
    EXPECT_EQ(GetDlgItemInt(dialog, 106, &translated, c.is_signed), c.value) << c.text;
    EXPECT_EQ(translated, c.translated) << c.text;
  }
}

TEST_F(WindowText, SetDlgItemIntWritesSignedOrUnsigned) {
  char buffer[16];
  SetDlgItemInt(dialog, 106, UINT(-5), TRUE);
  GetDlgItemTextA(dialog, 106, buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "-5");
  SetDlgItemInt(dialog, 106, UINT(-5), FALSE);
  GetDlgItemTextA(dialog, 106, buffer, sizeof buffer);
  EXPECT_STREQ(buffer, "4294967291");
}

LRESULT CALLBACK shouting_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETTEXT && wp > 0) {
    std::strncpy(reinterpret_cast<char*>(lp), "HI", size_t(wp));
    reinterpret_cast<char*>(lp)[wp - 1] = '\0';
    return LRESULT(std::strlen(reinterpret_cast<char*>(lp)));
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST_F(WindowText, GetWindowTextAsksTheWindowProcedure) {
  SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(shouting_proc));
  char buffer[8];
  EXPECT_EQ(GetWindowTextA(field, buffer, sizeof buffer), 2);
  EXPECT_STREQ(buffer, "HI");
}

}  // namespace
