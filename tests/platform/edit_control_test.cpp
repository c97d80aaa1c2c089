// Edit controls: selection, limit, text changes and typing.
#include <gtest/gtest.h>

#include <vector>

#include "platform/posix/testing.h"

namespace {

std::vector<WORD> notifications;

INT_PTR CALLBACK notification_log(HWND, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_COMMAND && LOWORD(wp) == 106) notifications.push_back(HIWORD(wp));
  return TRUE;
}

class EditControl : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    notifications.clear();
    dialog = standin::create_window(nullptr, "#32770", 0, "", WS_POPUP, RECT{0, 0, 9, 9});
    standin::set_dialog_proc(dialog, notification_log);
    edit = standin::create_window(dialog, "Edit", 106, "12345", ES_NUMBER, RECT{0, 0, 5, 5});
  }
  HWND dialog = nullptr;
  HWND edit = nullptr;
};

TEST_F(EditControl, SelectionIsClampedToTheText) {
  struct Case {
    int start, end;
    int low, high;
  };
  const Case cases[] = {{0, -1, 0, 5}, {1, 3, 1, 3}, {3, 1, 1, 3}, {2, 99, 2, 5}, {-2, 1, 1, 5}};
  for (const Case& c : cases) {
    SendMessageA(edit, EM_SETSEL, WPARAM(c.start), LPARAM(c.end));
    DWORD low = 99, high = 99;
    LRESULT both = SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&low),
                                reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(LOWORD(both), c.low) << c.start << ", " << c.end;
    EXPECT_EQ(HIWORD(both), c.high) << c.start << ", " << c.end;
    EXPECT_EQ(low, DWORD(c.low));
    EXPECT_EQ(high, DWORD(c.high));
  }
}

TEST_F(EditControl, StartOfMinusOneCollapsesTheSelectionToItsEnd) {
  SendMessageA(edit, EM_SETSEL, 1, 3);
  SendMessageA(edit, EM_SETSEL, WPARAM(-1), 0);
  standin::Selection s = standin::edit_selection(edit);
  EXPECT_EQ(s.start, 3);
  EXPECT_EQ(s.end, 3);
}

TEST_F(EditControl, NewTextEmptiesTheSelectionAndNotifiesTheParent) {
  SendMessageA(edit, EM_SETSEL, 0, -1);
  SetWindowTextA(edit, "7");
  EXPECT_EQ(standin::edit_selection(edit).end, 0);
  EXPECT_EQ(notifications, (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
}

TEST_F(EditControl, LimitDefaultsTo30000AndZeroMeansTheLargest) {
  EXPECT_EQ(standin::edit_limit(edit), 30000);
  SendDlgItemMessageA(dialog, 106, EM_LIMITTEXT, 4, 0);
  EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 4);
  SendDlgItemMessageA(dialog, 106, EM_LIMITTEXT, 0, 0);
  EXPECT_EQ(standin::edit_limit(edit), 0x7FFFFFFE);
}

TEST_F(EditControl, LimitBindsTypingButNotSetText) {
  SendMessageA(edit, EM_LIMITTEXT, 4, 0);
  SetWindowTextA(edit, "123456");
  EXPECT_EQ(GetWindowTextLengthA(edit), 6);
  SendMessageA(edit, EM_SETSEL, 0, -1);
  standin::type_text(edit, "9x87654");
  char text[16];
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "9876") << "digits only, up to the limit";
}

}  // namespace
