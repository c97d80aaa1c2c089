// The control messages of the dialog's helpers: the up-down range, an edit's
// selection and text limit.
#include <gtest/gtest.h>

#include "conformance/conformance_windows.h"

namespace {

using Win32UpDownRange = conformance::WindowsTest;

TEST_F(Win32UpDownRange, SetRangeTakesTheHighestInTheLowWordAndTheLowestInTheHighWord) {
  HWND updown = child(UPDOWN_CLASSA, 107, nullptr);
  ASSERT_NE(updown, nullptr);
  const struct {
    short lowest;
    short highest;
  } cases[] = {{1, 10}, {0, 300}, {-100, 700}, {1, 9999}};
  for (const auto& c : cases) {
    SendMessageA(updown, UDM_SETRANGE, 0, MAKELPARAM(c.highest, c.lowest));
    const LRESULT range = SendMessageA(updown, UDM_GETRANGE, 0, 0);
    EXPECT_EQ(short(LOWORD(range)), c.highest) << c.lowest << ".." << c.highest;
    EXPECT_EQ(short(HIWORD(range)), c.lowest) << c.lowest << ".." << c.highest;
  }
}

TEST_F(Win32UpDownRange, StartsFromAHundredDownToZero) {
  HWND updown = child(UPDOWN_CLASSA, 107, nullptr);
  const LRESULT range = SendMessageA(updown, UDM_GETRANGE, 0, 0);
  EXPECT_EQ(short(LOWORD(range)), 0);
  EXPECT_EQ(short(HIWORD(range)), 100);
}

TEST_F(Win32UpDownRange, SendDlgItemMessageAReachesTheControlById) {
  HWND updown = child(UPDOWN_CLASSA, 110, nullptr);
  SendDlgItemMessageA(parent_, 110, UDM_SETRANGE, 0, MAKELPARAM(12, 1));
  EXPECT_EQ(SendMessageA(updown, UDM_GETRANGE, 0, 0), LRESULT(MAKELONG(12, 1)));
  EXPECT_EQ(SendDlgItemMessageA(parent_, 999, UDM_GETRANGE, 0, 0), 0) << "no such control";
}

using Win32EditMessages = conformance::WindowsTest;

TEST_F(Win32EditMessages, SetSelFromZeroToMinusOneSelectsTheWholeText) {
  HWND edit = child("Edit", 106, "1234");
  SendMessageA(edit, EM_SETSEL, 0, -1);
  EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), LRESULT(MAKELONG(0, 4)));
}

TEST_F(Win32EditMessages, LimitTextSetsTheLimitThatGetLimitTextAnswers) {
  HWND edit = child("Edit", 113, "");
  SendDlgItemMessageA(parent_, 113, EM_LIMITTEXT, 7, 0);
  EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 7);
}

}  // namespace
