// Message delivery: dialog procedures, default handling, posting and timers.
#include <gtest/gtest.h>

#include <vector>

#include "platform/posix/testing.h"
#include "support/received_message.h"

namespace {

std::vector<ReceivedMessage> received;
INT_PTR answer = TRUE;

INT_PTR CALLBACK recording_dialog(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  received.push_back({msg, wp, lp});
  if (msg == WM_USER + 1) SetWindowLongPtrA(hwnd, int(DWLP_MSGRESULT), 77);
  return answer;
}

class Messages : public ::testing::Test {
 protected:
  void SetUp() override {
    standin::reset();
    received.clear();
    answer = TRUE;
    dialog = standin::create_window(nullptr, "#32770", 0, "Title", WS_POPUP, RECT{0, 0, 9, 9});
    standin::set_dialog_proc(dialog, recording_dialog);
    received.clear();
  }
  HWND dialog = nullptr;
};

TEST_F(Messages, HandledDialogMessagesAnswerTheStoredResult) {
  EXPECT_EQ(SendMessageA(dialog, WM_COMMAND, 1, 0), 0) << "DWLP_MSGRESULT is cleared first";
  EXPECT_EQ(SendMessageA(dialog, WM_USER + 1, 0, 0), 77);
  EXPECT_EQ(SendMessageA(dialog, WM_COMMAND, 1, 0), 0) << "and cleared again on the next message";
  answer = 5;
  EXPECT_EQ(SendMessageA(dialog, WM_INITDIALOG, 0, 0), 5) << "WM_INITDIALOG answers the procedure's value";
  ASSERT_EQ(received.size(), 4u);
  EXPECT_EQ(received[0].msg, UINT(WM_COMMAND));
  EXPECT_EQ(received[0].wp, 1u);
}

TEST_F(Messages, UnhandledDialogMessagesGetDefaultHandling) {
  answer = FALSE;
  char buffer[16];
  EXPECT_EQ(GetWindowTextA(dialog, buffer, sizeof buffer), 5);
  EXPECT_STREQ(buffer, "Title");
  SendMessageA(dialog, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(dialog)) << "a dialog is not destroyed by WM_CLOSE";
  received.clear();
  EXPECT_EQ(standin::dispatch_posted_messages(), 1u);
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].msg, UINT(WM_COMMAND));
  EXPECT_EQ(received[0].wp, WPARAM(IDCANCEL));
}

TEST_F(Messages, CloseOfAPlainWindowDestroysIt) {
  HWND frame = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
  SendMessageA(frame, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(frame));
}

TEST_F(Messages, SendingToAMissingWindowAnswersZero) {
  SetLastError(0);
  EXPECT_EQ(SendMessageA(nullptr, WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_WINDOW_HANDLE));
  EXPECT_EQ(SendDlgItemMessageA(dialog, 42, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(Messages, PostedMessagesArriveInOrderAndSkipDestroyedWindows) {
  HWND doomed = standin::create_window(nullptr, "Frame", 0, "", 0, RECT{0, 0, 9, 9});
  EXPECT_TRUE(PostMessageA(dialog, WM_USER + 2, 1, 0));
  EXPECT_TRUE(PostMessageA(doomed, WM_USER + 2, 2, 0));
  EXPECT_TRUE(PostMessageA(dialog, WM_USER + 2, 3, 0));
  DestroyWindow(doomed);
  EXPECT_FALSE(PostMessageA(doomed, WM_USER, 0, 0));
  received.clear();
  EXPECT_EQ(standin::dispatch_posted_messages(), 2u);
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].wp, 1u);
  EXPECT_EQ(received[1].wp, 3u);
}

TEST_F(Messages, TimersDeliverWmTimerUntilKilledOrDestroyed) {
  EXPECT_EQ(SetTimer(dialog, 1, 500, nullptr), 1u);
  EXPECT_EQ(standin::timer_period(dialog, 1), 500u);
  received.clear();
  EXPECT_TRUE(standin::fire_timer(dialog, 1));
  ASSERT_EQ(received.size(), 1u);
  EXPECT_EQ(received[0].msg, UINT(WM_TIMER));
  EXPECT_EQ(received[0].wp, 1u);
  EXPECT_TRUE(KillTimer(dialog, 1));
  EXPECT_FALSE(KillTimer(dialog, 1));
  EXPECT_FALSE(standin::fire_timer(dialog, 1));
  SetTimer(dialog, 1, 5, nullptr);
  EXPECT_EQ(standin::timer_period(dialog, 1), 10u) << "periods below 10 ms are raised";
  DestroyWindow(dialog);
  EXPECT_FALSE(standin::fire_timer(dialog, 1));
}

TEST_F(Messages, WindowLongsKeepStyleIdAndUserData) {
  HWND edit = standin::create_window(dialog, "Edit", 113, "", ES_AUTOHSCROLL, RECT{0, 0, 9, 9});
  EXPECT_EQ(GetWindowLongA(edit, GWL_ID), 113);
  EXPECT_EQ(DWORD(GetWindowLongA(edit, GWL_STYLE)), DWORD(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL));
  EXPECT_EQ(SetWindowLongPtrA(edit, GWLP_USERDATA, 1234), 0);
  EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_USERDATA), 1234);
  SetLastError(0);
  EXPECT_EQ(GetWindowLongPtrA(edit, int(DWLP_USER)), 0) << "only dialogs have dialog slots";
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_INDEX));
  SetWindowLongPtrA(dialog, int(DWLP_USER), -9);
  EXPECT_EQ(GetWindowLongPtrA(dialog, int(DWLP_USER)), -9);
  EXPECT_EQ(GetWindowLongPtrA(dialog, int(DWLP_DLGPROC)),
            reinterpret_cast<LONG_PTR>(recording_dialog));
}

}  // namespace
