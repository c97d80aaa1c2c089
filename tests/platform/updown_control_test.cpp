// The up-down control's range, position, buddy and arrows.
#include <gtest/gtest.h>

#include <vector>

#include "platform/posix/testing.h"

namespace {

std::vector<NMUPDOWN> deltas;
LRESULT refuse = 0;

INT_PTR CALLBACK notify_log(HWND hwnd, UINT msg, WPARAM, LPARAM lp) {
  if (msg != WM_NOTIFY) return FALSE;
  deltas.push_back(*reinterpret_cast<NMUPDOWN*>(lp));
  SetWindowLongPtrA(hwnd, int(DWLP_MSGRESULT), refuse);
  return TRUE;
}

class UpDownControl : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    deltas.clear();
    refuse = 0;
    dialog = standin::create_window(nullptr, "#32770", 0, "", WS_POPUP, RECT{0, 0, 9, 9});
    standin::set_dialog_proc(dialog, notify_log);
    edit = standin::create_window(dialog, "Edit", 106, "", 0, RECT{0, 0, 5, 5});
  }
  HWND add_updown(DWORD style) {
    return standin::create_window(dialog, UPDOWN_CLASSA, 107, nullptr, style | UDS_AUTOBUDDY,
                                  RECT{0, 0, 5, 5});
  }
  HWND dialog = nullptr;
  HWND edit = nullptr;
};

TEST_F(UpDownControl, RangeTakesHighestInTheLowWord) {
  HWND updown = add_updown(0);
  EXPECT_EQ(SendMessageA(updown, UDM_GETRANGE, 0, 0), MAKELONG(0, 100)) << "default 100..0";
  SendMessageA(updown, UDM_SETRANGE, 0, MAKELPARAM(12, 1));
  EXPECT_EQ(SendMessageA(updown, UDM_GETRANGE, 0, 0), MAKELONG(12, 1));
  standin::UpDownRange range = standin::updown_range(updown);
  EXPECT_EQ(range.lowest, 1);
  EXPECT_EQ(range.highest, 12);
  SendMessageA(updown, UDM_SETRANGE, 0, MAKELPARAM(-100, 700));
  EXPECT_EQ(standin::updown_range(updown).highest, -100) << "the words are signed";
}

TEST_F(UpDownControl, AutoBuddyIsThePreviousSibling) {
  HWND updown = add_updown(0);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(updown, UDM_GETBUDDY, 0, 0)), edit);
}

TEST_F(UpDownControl, UpArrowOfTheDefaultRangeCountsDown) {
  HWND updown = add_updown(0);
  SendMessageA(updown, UDM_SETPOS, 0, 50);
  standin::press_updown_arrow(updown, true);
  ASSERT_EQ(deltas.size(), 1u);
  EXPECT_EQ(deltas[0].iDelta, -1);
  EXPECT_EQ(deltas[0].iPos, 50);
  EXPECT_EQ(deltas[0].hdr.code, UDN_DELTAPOS);
  EXPECT_EQ(deltas[0].hdr.idFrom, 107u);
  EXPECT_EQ(standin::updown_position(updown), 49);
}

TEST_F(UpDownControl, ArrowWritesTheBuddyAndStopsAtTheRange) {
  HWND updown = add_updown(UDS_SETBUDDYINT | UDS_NOTHOUSANDS);
  SendMessageA(updown, UDM_SETRANGE, 0, MAKELPARAM(3, 1));
  SetWindowTextA(edit, "2");
  standin::press_updown_arrow(updown, true);
  char text[16];
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "3");
  standin::press_updown_arrow(updown, true);
  EXPECT_EQ(standin::updown_position(updown), 3);
  EXPECT_EQ(deltas.size(), 2u) << "the parent is told even at the end of the range";
}

TEST_F(UpDownControl, ParentCanRefuseTheStep) {
  HWND updown = add_updown(0);
  SendMessageA(updown, UDM_SETRANGE, 0, MAKELPARAM(10, 0));
  refuse = 1;
  standin::press_updown_arrow(updown, true);
  EXPECT_EQ(standin::updown_position(updown), 0);
}

TEST_F(UpDownControl, PositionIsClampedAndWrittenWithThousands) {
  HWND updown = add_updown(UDS_SETBUDDYINT);
  SendMessageA(updown, UDM_SETRANGE32, 0, 5000);
  EXPECT_EQ(SendMessageA(updown, UDM_SETPOS, 0, 1234), 0) << "answers the previous position";
  char text[16];
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "1,234");
  SendMessageA(updown, UDM_SETPOS32, 0, 9999);
  EXPECT_EQ(standin::updown_position(updown), 5000);
  SetWindowTextA(edit, "oops");
  EXPECT_EQ(HIWORD(SendMessageA(updown, UDM_GETPOS, 0, 0)), 1) << "buddy without a number";
}

}  // namespace
